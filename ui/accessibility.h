#pragma once

// What the window gives screen readers beyond Qt's defaults: value labels that speak their name
// and expose the number they show as text, and separator lines that are separators rather than
// nameless frames.

#include <QFrame>
#include <QLabel>

class QString;

namespace vexlet {

// A label that holds a field's number. Its accessible name says what the number is ("Total
// base"); the number itself is its accessible text, as in a read-only text box. It is a class of
// its own to Qt's meta-object system so that the accessibility tree asks for its interface
// before it asks for a QLabel's.
class ValueLabel final : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
};

// One of the window's thin horizontal lines.
class SeparatorLine final : public QFrame
{
public:
    using QFrame::QFrame;
};

// Makes the accessibility tree use the interfaces above for ValueLabel and SeparatorLine; more
// calls change nothing.
void installAccessibleInterfaces();

// Tells screen readers that `label` now shows `text` instead of `old`.
void announceTextChange(QLabel *label, const QString &old, const QString &text);

} // namespace vexlet
