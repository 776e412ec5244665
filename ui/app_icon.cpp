#include "ui/app_icon.h"

#include <QPixmap>

namespace vexlet {

namespace {
#include "ui/icons/vexlet-finder.xpm"
} // namespace

QIcon appIcon()
{
    return QIcon(QPixmap(vexlet_finder_xpm));
}

} // namespace vexlet
