// The one application object, which every back-end's AfxWinMain runs.

#include "framework/CWinApp.h"

namespace {

CWinApp* g_pApp = nullptr;

} // namespace

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName)
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}
