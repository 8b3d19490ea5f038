#pragma once
// The application object. The program defines one global object of a class derived from
// CWinApp, which registers itself on construction; AfxWinMain, called from main, brings
// up the platform's application and calls that object's InitInstance once. There is no
// message loop of the application's own: the program's windows are modal dialogs that
// run their own loops, so the process ends when InitInstance returns.

#include "framework/base/WinTypes.h"

class CWnd;

class CWinApp
{
public:
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    // The three-dimensional control look is the platform's own; nothing to switch on.
    BOOL Enable3dControls() { return TRUE; }

    // The name shown as the caption of message boxes; none for the program file's name.
    const char* m_pszAppName;
    CWnd* m_pMainWnd = nullptr;
};

// The registered application object, or none.
CWinApp* AfxGetApp();

// Creates the platform's application, runs InitInstance of the registered application
// object and returns the process's exit status (0; -1 without an application object).
int AfxWinMain(int argc, char** argv);

// Control containment needs no set-up on this platform.
inline void AfxEnableControlContainer() {}
