// main() of the GUI tests: the program's resources, a QApplication for the whole run with the
// program's fonts from the portable folder, then GoogleTest. The tests run on Qt's offscreen
// platform (CTest sets QT_QPA_PLATFORM).

#include "framework/qt/ApplicationFonts.h"
#include "res/ProgramResources.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv)
{
    RegisterResources(ProgramResources());
    QApplication application(argc, argv);
    // Dialogs open and close all through a run; none of them ends the application.
    QApplication::setQuitOnLastWindowClosed(false);
    // The layouts and pixels the tests expect are those of these faces, as in the program.
    if (RegisterApplicationFonts(QStringLiteral(NAVIK_TEST_FONTS_DIR)) == 0) {
        std::fprintf(stderr, "no fonts in %s\n", NAVIK_TEST_FONTS_DIR);
        return 1;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
