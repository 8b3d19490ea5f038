#include "App.h"

#include "MainDialog.h"
#include "framework/AfxFunctions.h"
#include "res/ProgramResources.h"

// Constructed before start-up, so the resources are there when the framework sets the
// program's icon and opens the first window.
App::App()
{
    RegisterResources(ProgramResources());
}

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
