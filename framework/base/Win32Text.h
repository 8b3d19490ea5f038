#pragma once

#include <string>
#include <string_view>

// File names are UTF-8 inside storage and UTF-16 at the Win32 API, so that a folder such as
// C:\Users\Šťastný works whatever the system's ANSI code page. Windows only.
namespace Win32Text {

// False, with the last error ERROR_NO_UNICODE_TRANSLATION, when text is not valid UTF-8: a name
// that cannot be converted must not quietly become the name of another file.
bool Widen(const std::string& text, std::wstring& wide);
std::string Narrow(std::wstring_view wide);

} // namespace Win32Text
