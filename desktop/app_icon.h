#pragma once

#include <QIcon>

namespace vexlet {

// The window's icon: the launcher icon, a bar chart drawn on a 32 x 32 grid in 11 colours and
// transparency, at 32, 64 and 128 pixels.
[[nodiscard]] QIcon appIcon();

} // namespace vexlet
