#pragma once

#include "session.h"

#include <memory>

namespace vexlet::drive {

// The program started on the plain field model: initial values, then Form_Load.
[[nodiscard]] std::unique_ptr<Session> startModelSession(MessageObserver observer);

} // namespace vexlet::drive
