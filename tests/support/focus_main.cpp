#include "tests/support/fixtures/FocusDisplay.h"

#include <QApplication>
#include <gtest/gtest.h>

// The program's windows go to an Xvfb of its own, under the window manager of TORB_WINDOW_MANAGER,
// both there before Qt connects, as on a desktop.
int main(int argc, char **argv)
{
    testing_support::FocusDisplay::start();
    qputenv("QT_QPA_PLATFORM", "xcb");
    int result = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    testing_support::FocusDisplay::stop();
    return result;
}
