#pragma once

#include "form/window_layout.h"

#include <QFont>

namespace vexlet {

// Registers the look-alike of each designed family, from the layout table, which Qt uses only
// where the designed family is missing. Safe to call again.
void registerFontLookAlikes();

// The font of a layout key, under the designed family name.
[[nodiscard]] QFont windowFont(layout::FontKey key);

} // namespace vexlet
