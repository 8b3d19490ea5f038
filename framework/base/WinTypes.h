#pragma once
// Plain Windows-style value types that the dialogs are written against: integers with
// their usual names, colours as 0x00BBGGRR, points and rectangles in pixels.
//
// On Windows the system's own definitions are these names: <windows.h> is included and
// its types, macros (RGB, IDOK, WM_*, VK_*, ...) and functions (MulDiv) stand where the
// definitions below stand elsewhere, so the same program text means the same on both.
// Only the points and rectangles are the framework's own everywhere.

#if defined(_WIN32)

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
// The framework declares its own TRACKMOUSEEVENT (its window is a CWnd) and its own
// GetStockObject (it returns a brush); the system's are kept out of the way under other
// names. The back-end reaches the system's through tagTRACKMOUSEEVENT and its own files.
#define TRACKMOUSEEVENT NavikSystemTrackMouseEvent
#define GetStockObject NavikSystemGetStockObject
#include <windows.h>
#undef TRACKMOUSEEVENT
#undef GetStockObject
// A function-like macro of winbase.h that would rename CTime::GetCurrentTime.
#undef GetCurrentTime

#else

#include <cstdint>

using UINT = unsigned int;
using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using UINT_PTR = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = std::uint32_t;

// Handles of windows, device contexts and bitmaps: opaque to everything but the back-end that
// made them.
struct HWND__;
using HWND = HWND__*;
struct HDC__;
using HDC = HDC__*;
struct HBITMAP__;
using HBITMAP = HBITMAP__*;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b)
{
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c)
{
    return BYTE(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c)
{
    return BYTE((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c)
{
    return BYTE((c >> 16) & 0xFF);
}

// a * b / c rounded half away from zero, computed without overflow; -1 when c is 0.
constexpr int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const long long product = (long long)a * b;
    const long long magnitude =
        ((product < 0 ? -product : product) + (c < 0 ? -c : c) / 2) / (c < 0 ? -c : c);
    return int((product < 0) != (c < 0) ? -magnitude : magnitude);
}

// Modal results.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOW = 5;

// Virtual-key codes of the keys dialogs react to; letters and digits are their ASCII codes.
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_PRIOR = 0x21;
constexpr UINT VK_NEXT = 0x22;
constexpr UINT VK_END = 0x23;
constexpr UINT VK_HOME = 0x24;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;

// Kinds of control in a control-colour request.
constexpr UINT CTLCOLOR_EDIT = 1;
constexpr UINT CTLCOLOR_BTN = 3;
constexpr UINT CTLCOLOR_DLG = 4;
constexpr UINT CTLCOLOR_STATIC = 6;

// Background modes of a device context.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Owner-draw item state bits.
constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_DISABLED = 0x0004;
constexpr UINT ODS_FOCUS = 0x0010;
// The focus is not to be shown: the keyboard has not been used in the window yet.
constexpr UINT ODS_NOFOCUSRECT = 0x0200;

// Dialog codes (OnGetDlgCode): what kind of control the dialog's keyboard handling sees.
constexpr UINT DLGC_UNDEFPUSHBUTTON = 0x0020;
constexpr UINT DLGC_RADIOBUTTON = 0x0040;
constexpr UINT DLGC_BUTTON = 0x2000;

// Check states of a button.
constexpr int BST_UNCHECKED = 0x0000;
constexpr int BST_CHECKED = 0x0001;

// Message boxes: buttons, icons and results.
constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_ICONSTOP = 0x00000010;
constexpr UINT MB_ICONQUESTION = 0x00000020;
constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
constexpr UINT MB_ICONINFORMATION = 0x00000040;
constexpr UINT MB_ICONMASK = 0x000000F0;

// Messages named in the cursor request, hit-test codes, key states and size types.
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT HTCLIENT = 1;
constexpr UINT MK_LBUTTON = 0x0001;
constexpr UINT MK_RBUTTON = 0x0002;
constexpr UINT MK_SHIFT = 0x0004;
constexpr UINT MK_CONTROL = 0x0008;
constexpr UINT SIZE_RESTORED = 0;
constexpr UINT SIZE_MINIMIZED = 1;
constexpr UINT SIZE_MAXIMIZED = 2;

// Menu item flags and system commands.
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT TPM_RETURNCMD = 0x0100;
constexpr UINT SC_CLOSE = 0xF060;

// Icon slots of WM_SETICON.
constexpr int ICON_SMALL = 0;
constexpr int ICON_BIG = 1;

#endif // _WIN32

struct CPoint
{
    int x = 0;
    int y = 0;
    CPoint() = default;
    CPoint(int px, int py) : x(px), y(py) {}
};

struct CSize
{
    int cx = 0;
    int cy = 0;

    bool operator==(const CSize&) const = default;
};

struct CRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    CRect() = default;
    CRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CPoint TopLeft() const { return {left, top}; }
    bool PtInRect(CPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    void OffsetRect(int dx, int dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    bool operator==(const CRect&) const = default;
};
