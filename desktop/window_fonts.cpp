#include "desktop/window_fonts.h"

#include "desktop/qt_text.h"

#include <QFontInfo>
#include <QStringList>
#include <algorithm>
#include <vector>

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

bool resolvesAsDesigned(const QFont &font, const layout::FontInfo &info)
{
    const QString family = QFontInfo(font).family();
    return family == toQString(info.family) || family == toQString(info.lookAlike.family);
}

std::optional<std::string> missingFontNotice()
{
    std::vector<layout::LookAlike> missing;
    for (layout::FontKey key : layout::kFontKeys) {
        const layout::FontInfo info = layout::fontInfo(key);
        const auto same
            = [&](const layout::LookAlike &font) { return font.family == info.lookAlike.family; };
        if (!resolvesAsDesigned(windowFont(key), info) && std::ranges::none_of(missing, same))
            missing.push_back(info.lookAlike);
    }
    if (missing.empty())
        return std::nullopt;
    std::string fonts;
    std::string packages;
    for (const layout::LookAlike &font : missing) {
        fonts += (fonts.empty() ? "" : ", ") + std::string(font.family) + " ("
            + std::string(font.package) + ')';
        packages += ' ' + std::string(font.package);
    }
    return "vexlet-finder: fonts missing, so some captions may be cut short: " + fonts
        + "; install with: sudo apt install" + packages;
}

} // namespace vexlet
