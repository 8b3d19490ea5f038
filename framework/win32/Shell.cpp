#include "framework/Shell.h"

#include "framework/CWnd.h"
#include "framework/win32/WideText.h"

#include <utility>

namespace {

UrlOpener& CurrentOpener()
{
    static UrlOpener opener;
    return opener;
}

// What ShellExecute returns on success is any value above 32.
const HINSTANCE kSuccess = reinterpret_cast<HINSTANCE>(42);

} // namespace

HINSTANCE ShellExecuteA(CWnd* owner, const char* operation, const char* file, const char* parameters,
                        const char* directory, int showCommand)
{
    if (!file)
        return reinterpret_cast<HINSTANCE>(SE_ERR_NOASSOC);
    if (const UrlOpener& opener = CurrentOpener())
        return opener(CString(file)) ? kSuccess : reinterpret_cast<HINSTANCE>(SE_ERR_NOASSOC);
    const std::wstring verb = WideText::FromAnsi(operation ? operation : "");
    const std::wstring parametersW = WideText::FromAnsi(parameters ? parameters : "");
    const std::wstring directoryW = WideText::FromAnsi(directory ? directory : "");
    return ShellExecuteW(owner ? owner->GetSafeHwnd() : nullptr, operation ? verb.c_str() : nullptr,
                         WideText::FromAnsi(file).c_str(), parameters ? parametersW.c_str() : nullptr,
                         directory ? directoryW.c_str() : nullptr, showCommand);
}

UrlOpener SetUrlOpener(UrlOpener opener)
{
    return std::exchange(CurrentOpener(), std::move(opener));
}
