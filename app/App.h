#pragma once
// The application object: runs the launcher as the program's only main window and ends
// the process when it closes.

#include "framework/CWinApp.h"

class App : public CWinApp
{
public:
    App();
    BOOL InitInstance() override;
};
