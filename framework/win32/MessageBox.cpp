#include "framework/MessageBox.h"

#include "framework/CWinApp.h"
#include "framework/FileNames.h"
#include "framework/win32/DialogWidget.h"
#include "framework/win32/WideText.h"

#include <utility>

namespace {

MessageBoxHandler& CurrentHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

// The caption of the box: the application's name, else the program file's without its
// folder and extension, as MFC names it.
std::wstring Caption()
{
    const CWinApp* app = AfxGetApp();
    if (app && app->m_pszAppName && *app->m_pszAppName)
        return WideText::FromAnsi(app->m_pszAppName);
    CString name = GetModuleFileName();
    name = name.substr(std::size_t(name.ReverseFind(kPathSeparator) + 1));
    if (const auto dot = name.rfind('.'); dot != std::string::npos)
        name.resize(dot);
    return WideText::FromAnsi(name);
}

} // namespace

int AfxMessageBox(const CString& text, UINT type, UINT)
{
    if (const MessageBoxHandler& handler = CurrentHandler())
        return handler(text, type);
    // Owned by the innermost dialog, which it keeps disabled while it is open.
    MessageBoxW(DialogWidget::Innermost(), WideText::FromAnsi(text).c_str(), Caption().c_str(),
                (type & MB_ICONMASK) | MB_OK);
    return IDOK;
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    return std::exchange(CurrentHandler(), std::move(handler));
}
