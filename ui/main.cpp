#include "ui/display_check.h"
#include "ui/main_window.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    if (const auto problem = vexlet::missingDisplay()) {
        std::fprintf(stderr, "%s\n", problem->c_str());
        return 1;
    }
    QApplication application(argc, argv);
    // Wayland desktops match the window to its desktop entry, and so to its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(VEXLET_APP_ID));
    vexlet::MainWindow window;
    window.show();
    return QApplication::exec();
}
