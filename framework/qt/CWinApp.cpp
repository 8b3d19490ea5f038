#include "framework/CWinApp.h"

#include "framework/base/Resources.h"
#include "framework/qt/ApplicationFonts.h"
#include "framework/qt/Artwork.h"

#include <QApplication>
#include <QIcon>

int AfxWinMain(int argc, char** argv)
{
    QApplication application(argc, argv);
    // Windows come and go between the modal loops; none of them ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // Before the first window: its layout is measured in these faces.
    RegisterApplicationFonts(ProgramFontFolder());
    QApplication::setWindowIcon(IconArtwork(ApplicationIconId()));
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->InitInstance();
    return 0;
}
