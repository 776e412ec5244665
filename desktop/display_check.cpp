#include "desktop/display_check.h"

#include <cstdlib>

namespace vexlet {

namespace {

bool isSet(const char *variable)
{
    const char *value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

} // namespace

std::optional<std::string> missingDisplay()
{
#if defined(__linux__)
    if (isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY"))
        return std::nullopt;
    return "vexlet-finder: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY "
           "is set); start it from a desktop session, or on a virtual display with: "
           "xvfb-run -a vexlet-finder";
#else
    return std::nullopt;
#endif
}

} // namespace vexlet
