#pragma once

#include "session.h"

#include <iosfwd>

namespace vexlet::drive {

// Plays the script on `in` against `session`, one action per line, and prints what the user
// would read to `out`. Returns the exit status: 0, or 2 after printing "error: line N: ..." to
// `err` for an unknown action or a bad argument.
int playScript(std::istream &in, std::ostream &out, std::ostream &err, Session &session);

// The line a shown message prints.
void printMessage(std::ostream &out, std::string_view title, std::string_view prompt);

} // namespace vexlet::drive
