// main() of the GUI tests: a QApplication for the whole run, then GoogleTest. The tests run
// on Qt's offscreen platform (CTest sets QT_QPA_PLATFORM).

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // Dialogs open and close all through a run; none of them ends the application.
    QApplication::setQuitOnLastWindowClosed(false);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
