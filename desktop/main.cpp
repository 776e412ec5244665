#include "desktop/application_start.h"
#include "desktop/main_window.h"
#include "desktop/window_fonts.h"

#include <cstdio>

int main(int argc, char **argv)
{
    const auto application = vexlet::startApplication(argc, argv);
    vexlet::setupApplication();
    if (const auto notice = vexlet::missingFontNotice())
        std::fprintf(stderr, "%s\n", notice->c_str());
    vexlet::MainWindow window;
    window.show();
    return QApplication::exec();
}
