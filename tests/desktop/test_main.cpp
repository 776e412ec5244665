// The window tests run on Qt's offscreen platform, so they need no display, and as on a desktop
// whose own style is another than the window's.

#include "desktop/main_window.h"
#include "window_session.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    vexlet::drive::prepareOffscreenToolkit();
    qputenv("QT_STYLE_OVERRIDE", "Windows");
    QApplication application(argc, argv);
    vexlet::setupApplication();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
