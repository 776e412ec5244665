#pragma once

#include "form/window_layout.h"

#include <QFont>
#include <optional>
#include <string>

namespace vexlet {

// Registers the look-alike of each designed family, from the layout table, which Qt uses only
// where the designed family is missing. Safe to call again.
void registerFontLookAlikes();

// The font of a layout key, under the designed family name.
[[nodiscard]] QFont windowFont(layout::FontKey key);

// Whether the font shows in the designed family or in its look-alike.
[[nodiscard]] bool resolvesAsDesigned(const QFont &font, const layout::FontInfo &info);

// Without a look-alike, a designed family falls back to a wider font and captions are cut short.
// Where a key's font resolves to neither its designed family nor its look-alike, one line that
// names each missing look-alike with its Debian package and how to install them; nothing where
// every font is there. Call after registerFontLookAlikes().
[[nodiscard]] std::optional<std::string> missingFontNotice();

} // namespace vexlet
