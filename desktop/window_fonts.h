#pragma once

#include "form/window_layout.h"

#include <QFont>

namespace vexlet {

// Registers the installed look-alikes of the designed families (Comic Neue, OCR A, a plain
// sans-serif), which Qt uses only where the designed family is missing. Safe to call again.
void registerFontLookAlikes();

// The font of a layout key, under the designed family name.
[[nodiscard]] QFont windowFont(layout::FontKey key);

} // namespace vexlet
