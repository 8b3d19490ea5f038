#include "framework/FileNames.h"

#include "framework/base/Win32Text.h"
#include "framework/win32/WideText.h"

#include <vector>

CString GetModuleFileName()
{
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0)
            return {};
        if (length < path.size())
            return WideText::ToAnsi(std::wstring_view(path.data(), length));
        path.resize(path.size() * 2);
    }
}

std::string NativePath(const CString& ansiPath)
{
    // The storage takes UTF-8 names and widens them at the Win32 API.
    return Win32Text::Narrow(WideText::FromAnsi(ansiPath));
}
