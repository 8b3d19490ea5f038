#pragma once
// The program's texts are Windows-1250 byte strings; the windows take UTF-16. Every text
// that crosses to or from a window, a message box or the graphics passes through here,
// with the code page named, so that the texts read the same whatever code page the
// system's ANSI functions would use.

#include "framework/base/CString.h"

#include <string>
#include <string_view>

namespace WideText {

std::wstring FromAnsi(std::string_view ansi);
// Characters that Windows-1250 lacks become question marks.
CString ToAnsi(std::wstring_view wide);

// The text of a window, converted.
CString WindowText(HWND window);

} // namespace WideText
