#pragma once

#include <QIcon>

namespace vexlet {

// The window's icon: a 32 x 32 bar chart in 16 colours.
[[nodiscard]] QIcon appIcon();

} // namespace vexlet
