#include "framework/AnsiText.h"

#include "framework/win32/WideText.h"

std::u16string AnsiToUtf16(std::string_view ansi)
{
    const std::wstring wide = WideText::FromAnsi(ansi);
    return std::u16string(wide.begin(), wide.end());
}
