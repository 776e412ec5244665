// page-parts: prints one part of the page that build-page.py writes into its template, built
// from the layout table: `markup` (the window), `message` (its message's dialog), `look` (fonts,
// colours and what every layout shares), `window` (each control's place in the window) or `phone`
// (its place on a phone).

#include "web/message_box.h"
#include "web/phone_layout.h"
#include "web/window_markup.h"

#include <iostream>
#include <string_view>

int main(int argc, char **argv)
{
    using namespace vexlet::page;
    const std::string_view part = argc == 2 ? argv[1] : "";
    if (part == "markup")
        std::cout << windowMarkup();
    else if (part == "message")
        std::cout << MessageBox::markup();
    else if (part == "look")
        std::cout << windowLookStyle();
    else if (part == "window")
        std::cout << windowPlaceStyle();
    else if (part == "phone")
        std::cout << phonePlaceStyle();
    else {
        std::cerr << "usage: page-parts markup|message|look|window|phone\n";
        return 2;
    }
    std::cout << '\n';
}
