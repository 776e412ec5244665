// vexlet-drive: starts the program as it starts and plays a script of user actions from
// standard input, printing what the user would read. By default it drives the real window on
// Qt's offscreen platform; --model drives the plain field model. For end-to-end tests only.

#include "desktop/main_window.h"
#include "model_session.h"
#include "script.h"
#include "window_session.h"

#include <QApplication>
#include <iostream>
#include <string_view>

namespace {

void printShownMessage(std::string_view title, std::string_view prompt)
{
    vexlet::drive::printMessage(std::cout, title, prompt);
}

} // namespace

int main(int argc, char **argv)
{
    using namespace vexlet::drive;
    bool model = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) != "--model") {
            std::cerr << "usage: vexlet-drive [--model] < script\n";
            return 2;
        }
        model = true;
    }
    if (model) {
        const auto session = startModelSession(&printShownMessage);
        return playScript(std::cin, std::cout, std::cerr, *session);
    }
    prepareOffscreenToolkit();
    QApplication application(argc, argv);
    vexlet::setupApplication();
    const auto session = startWindowSession(&printShownMessage);
    return playScript(std::cin, std::cout, std::cerr, *session);
}
