#include "framework/win32/StaticPainter.h"

#include <string>

namespace {

bool IsHollow(HBRUSH brush)
{
    LOGBRUSH description{};
    return !brush || (GetObjectW(brush, sizeof description, &description) && description.lbStyle == BS_NULL);
}

} // namespace

namespace StaticPainter {

void Paint(HWND control, HDC dc)
{
    RECT client{};
    GetClientRect(control, &client);
    const DWORD style = DWORD(GetWindowLongPtrW(control, GWL_STYLE));

    const int saved = SaveDC(dc);
    if (HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)))
        SelectObject(dc, font);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_3DFACE));
    HWND parent = GetParent(control);
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(parent ? parent : control, WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(control)));
    if (!IsHollow(brush))
        FillRect(dc, &client, brush);
    if (!IsWindowEnabled(control))
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));

    const int length = GetWindowTextLengthW(control);
    std::wstring text(std::size_t(length) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(control, text.data(), length + 1)));
    UINT format = DT_EXPANDTABS | DT_NOPREFIX;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        format |= DT_CENTER | DT_WORDBREAK;
        break;
    case SS_RIGHT:
        format |= DT_RIGHT | DT_WORDBREAK;
        break;
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
        format |= DT_SINGLELINE;
        break;
    default:
        format |= DT_WORDBREAK;
        break;
    }
    DrawTextW(dc, text.c_str(), int(text.size()), &client, format);
    RestoreDC(dc, saved);
}

void RepaintBeneath(HWND control)
{
    HWND parent = GetParent(control);
    if (!parent)
        return;
    RECT area{};
    GetWindowRect(control, &area);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

} // namespace StaticPainter
