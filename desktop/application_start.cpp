#include "desktop/application_start.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

namespace vexlet {

namespace {

// What the toolkit says while the application object is built, held until it is known whether
// the start failed. The toolkit's message handler is a plain function, so what it holds can only
// be kept here; it is used during that construction alone.
struct HeldMessage
{
    QtMsgType type;
    std::string category;
    QString text;
};

std::mutex heldLock;
std::vector<HeldMessage> held;

std::string displaySetting(const char *variable)
{
    const char *value = std::getenv(variable);
    if (value == nullptr || *value == '\0')
        return {};
    return std::string(variable) + '=' + value;
}

// Why there is no display, from the variables that name one.
std::string noDisplayAdvice()
{
    const std::string x11 = displaySetting("DISPLAY");
    const std::string wayland = displaySetting("WAYLAND_DISPLAY");
    std::string why = "neither DISPLAY nor WAYLAND_DISPLAY is set";
    if (!x11.empty() || !wayland.empty())
        why = x11 + (x11.empty() || wayland.empty() ? "" : " and ") + wayland
            + " cannot be reached";
    return "vexlet-finder: no display to open the window on (" + why
        + "); start it from a desktop session, or on a virtual display with: "
          "xvfb-run -a vexlet-finder";
}

// Why no platform could start, from what the toolkit said before it gave up: a display it could
// not reach, or else (a platform named wrong, a plugin whose libraries are missing) its own last
// word on the plugin, which only its debugging output explains further.
std::string startFailureAdvice()
{
    const auto unreachable = [](const HeldMessage &message) {
        return message.text.contains(QLatin1String("could not connect to display"))
            || message.text.contains(QLatin1String("wl_display"));
    };
    const auto plugin
        = [](const HeldMessage &message) { return message.category == "qt.qpa.plugin"; };
    const std::lock_guard lock(heldLock);
    const auto said = std::find_if(held.rbegin(), held.rend(), plugin);
    if (std::any_of(held.begin(), held.end(), unreachable) || said == held.rend())
        return noDisplayAdvice();
    return "vexlet-finder: the window system could not start (" + said->text.toStdString()
        + "); run it with QT_DEBUG_PLUGINS=1 for the toolkit's reasons";
}

// While the application object is built, the one fatal message the toolkit can give is that no
// platform could start; it would abort after it. Everything else waits.
void holdStartMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", startFailureAdvice().c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    const std::lock_guard lock(heldLock);
    held.push_back({type, context.category != nullptr ? context.category : "", text});
}

} // namespace

std::unique_ptr<QApplication> startApplication(int &argc, char **argv)
{
    const QtMessageHandler usual = qInstallMessageHandler(&holdStartMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(usual);
    const std::lock_guard lock(heldLock);
    for (const HeldMessage &message : held)
        usual(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category.c_str()),
              message.text);
    held.clear();
    return application;
}

} // namespace vexlet
