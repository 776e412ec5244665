#pragma once

#include <QApplication>
#include <memory>

namespace vexlet {

// The application object for the command line, which takes Qt's own options (-platform,
// -display). Where no window system can be reached (no display set, or one that does not
// answer; or a platform that cannot load), the toolkit would print its reasons and abort; instead
// the process prints one line that says why the window cannot open and how to proceed, and ends
// with status 1. The toolkit's
// messages while it starts are held back until a platform stands, then printed as usual.
[[nodiscard]] std::unique_ptr<QApplication> startApplication(int &argc, char **argv);

} // namespace vexlet
