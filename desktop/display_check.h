#pragma once

#include <optional>
#include <string>

namespace vexlet {

// Why the window cannot open here, as one line that says how to proceed; nothing when a
// display is there or the user chose a platform. Without it, the toolkit aborts with a crash.
[[nodiscard]] std::optional<std::string> missingDisplay();

} // namespace vexlet
