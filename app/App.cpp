#include "App.h"

#include "MainDialog.h"
#include "app/framework/AfxFunctions.h"
#include "modes/UserMessage.h"

BOOL App::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControls();
    // Test composition reports a refusal through this seam; here it is the message box.
    SetUserMessageHandler([](const std::string& text) { AfxMessageBox(text); });

    // Qt's painting needs no start-up of its own, and the launcher's logo is released
    // with the launcher, which Qt allows at any time while the application object lives.
    MainDialog dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
