#pragma once

#include <QFrame>

namespace vexlet {

// One of the window's thin horizontal lines: a widget one pixel high, filled whole in the
// window-text colour. A frame's own line is centred on the widget's top edge, and at a
// fractional scale factor (1.25, 1.75) it falls outside the one device row the widget gets; a
// fill covers exactly the rows the widget has, crisp at any scale. Screen readers know it as a
// separator (accessibility.h).
class SeparatorLine final : public QFrame
{
    Q_OBJECT
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vexlet
