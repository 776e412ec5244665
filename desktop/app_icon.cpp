#include "desktop/app_icon.h"

namespace vexlet {

// The launcher icon rendered at build time, smallest first: the window's own size comes first.
QIcon appIcon()
{
    QIcon icon;
    for (int size : {32, 64, 128})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace vexlet
