#include "desktop/window_fonts.h"

#include "desktop/qt_text.h"

#include <QStringList>

namespace vexlet {

void registerFontLookAlikes()
{
    for (layout::FontKey key : layout::kFontKeys) {
        const layout::FontInfo info = layout::fontInfo(key);
        const QString family = toQString(info.family);
        const QString lookAlike = toQString(info.lookAlike.family);
        if (!QFont::substitutes(family).contains(lookAlike))
            QFont::insertSubstitution(family, lookAlike);
    }
}

QFont windowFont(layout::FontKey key)
{
    const layout::FontInfo info = layout::fontInfo(key);
    QFont font(toQString(info.family));
    font.setPointSizeF(info.points);
    font.setWeight(static_cast<QFont::Weight>(info.weight));
    return font;
}

} // namespace vexlet
