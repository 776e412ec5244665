#include "desktop/application_start.h"
#include "desktop/main_window.h"

int main(int argc, char **argv)
{
    const auto application = vexlet::startApplication(argc, argv);
    vexlet::setupApplication();
    vexlet::MainWindow window;
    window.show();
    return QApplication::exec();
}
