// main() of the GUI tests: the program's resources and a QApplication for the whole run, then
// GoogleTest. The tests run on Qt's offscreen platform (CTest sets QT_QPA_PLATFORM).

#include "res/ProgramResources.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    RegisterResources(ProgramResources());
    QApplication application(argc, argv);
    // Dialogs open and close all through a run; none of them ends the application.
    QApplication::setQuitOnLastWindowClosed(false);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
