#include "desktop/separator_line.h"

#include <QPainter>

namespace vexlet {

void SeparatorLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::WindowText));
}

} // namespace vexlet
