#pragma once

// What the window gives screen readers beyond Qt's defaults: value labels that speak their name
// and expose the number they show as text, and separator lines that are separators rather than
// nameless frames.

#include <QLabel>

class QString;

namespace vexlet {

// Qt asks the accessibility factories about a widget by each of its class names in turn, its
// own first. ValueLabel and SeparatorLine carry Q_OBJECT so that their own names come before
// QLabel's and QFrame's, which Qt's factory for its widgets answers.

// A label that holds a field's number. Its accessible name says what the number is ("Total
// base"); the number itself is its accessible text, as in a read-only text box.
class ValueLabel final : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
};

// Makes the accessibility tree use the interfaces above for ValueLabel and SeparatorLine; more
// calls change nothing.
void installAccessibleInterfaces();

// Tells screen readers that `label` now shows `text` instead of `old`.
void announceTextChange(QLabel *label, const QString &old, const QString &text);

} // namespace vexlet
