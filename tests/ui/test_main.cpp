// The window tests run on Qt's offscreen platform, so they need no display.

#include "window_session.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    vexlet::drive::prepareOffscreenToolkit();
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
