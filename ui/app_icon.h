#pragma once

#include <QIcon>

namespace vexlet {

// The window's icon: a 32 x 32 bar chart, a picture of at most 16 colours (it uses 11, and
// transparency).
[[nodiscard]] QIcon appIcon();

} // namespace vexlet
