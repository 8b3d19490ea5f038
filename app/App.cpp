#include "App.h"

#include "MainDialog.h"
#include "app/framework/AfxFunctions.h"

BOOL App::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControls();

    // Qt's painting needs no start-up of its own, and the launcher's logo is released
    // with the launcher, which Qt allows at any time while the application object lives.
    MainDialog dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
