#include "framework/win32/WideText.h"

namespace {

constexpr UINT kAnsiCodePage = 1250;

} // namespace

namespace WideText {

std::wstring FromAnsi(std::string_view ansi)
{
    if (ansi.empty())
        return {};
    const int length = MultiByteToWideChar(kAnsiCodePage, 0, ansi.data(), int(ansi.size()), nullptr, 0);
    std::wstring wide(std::size_t(length), L'\0');
    MultiByteToWideChar(kAnsiCodePage, 0, ansi.data(), int(ansi.size()), wide.data(), length);
    return wide;
}

CString ToAnsi(std::wstring_view wide)
{
    if (wide.empty())
        return {};
    const int length =
        WideCharToMultiByte(kAnsiCodePage, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    CString ansi(std::size_t(length), '\0');
    WideCharToMultiByte(kAnsiCodePage, 0, wide.data(), int(wide.size()), ansi.data(), length, nullptr,
                        nullptr);
    return ansi;
}

CString WindowText(HWND window)
{
    if (!window)
        return {};
    const int length = GetWindowTextLengthW(window);
    std::wstring wide(std::size_t(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, wide.data(), length + 1);
    wide.resize(std::size_t(copied > 0 ? copied : 0));
    return ToAnsi(wide);
}

} // namespace WideText
