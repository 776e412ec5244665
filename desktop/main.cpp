#include "desktop/display_check.h"
#include "desktop/main_window.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    if (const auto problem = vexlet::missingDisplay()) {
        std::fprintf(stderr, "%s\n", problem->c_str());
        return 1;
    }
    QApplication application(argc, argv);
    vexlet::setupApplication();
    vexlet::MainWindow window;
    window.show();
    return QApplication::exec();
}
