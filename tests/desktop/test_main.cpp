// The window tests run on Qt's offscreen platform, so they need no display.

#include "desktop/main_window.h"
#include "window_session.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    vexlet::drive::prepareOffscreenToolkit();
    QApplication application(argc, argv);
    vexlet::setupApplication();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
