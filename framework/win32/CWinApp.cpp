#include "framework/CWinApp.h"

#include "framework/win32/gdiplus/GdiplusFlat.h"

#include <commctrl.h>

int AfxWinMain(int, char**)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    // The up-down control of the exam set-up is a common control.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    // GDI+ runs while the program's windows are open: the application object's
    // InitInstance opens them all and has closed them when it returns.
    GdiplusFlat::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    const bool graphics = GdiplusFlat::GdiplusStartup(&token, &input, nullptr) == GdiplusFlat::Ok;
    app->InitInstance();
    if (graphics)
        GdiplusFlat::GdiplusShutdown(token);
    return 0;
}
