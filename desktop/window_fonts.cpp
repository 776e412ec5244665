#include "desktop/window_fonts.h"

#include "desktop/qt_text.h"

#include <QStringList>

namespace vexlet {

// Debian's fonts-ocr-a names its family "OCRA".
void registerFontLookAlikes()
{
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("Comic Sans")});
    QFont::insertSubstitutions(QStringLiteral("OCR A Extended"),
                               {QStringLiteral("OCRA"), QStringLiteral("OCR A Std")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"),
                                QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
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
