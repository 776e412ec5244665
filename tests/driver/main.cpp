// vexlet-drive: starts the program as it starts and plays a script of user actions from
// standard input, printing what the user would read. For end-to-end tests; not installed.

#include "model_session.h"
#include "script.h"

#include <iostream>
#include <string_view>

int main(int argc, char **argv)
{
    using namespace vexlet::drive;
    bool model = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--model") {
            model = true;
        } else {
            std::cerr << "usage: vexlet-drive [--model] < script\n";
            return 2;
        }
    }
    if (!model) {
        std::cerr << "vexlet-drive: only the plain model (--model) is available\n";
        return 2;
    }
    const auto session = startModelSession([](std::string_view title, std::string_view prompt) {
        printMessage(std::cout, title, prompt);
    });
    return playScript(std::cin, std::cout, std::cerr, *session);
}
