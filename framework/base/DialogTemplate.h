#pragma once
// Dialog templates as data: what a resource script's DIALOG statement says about a
// window (caption, font, size and styles) and about each of its controls, in the order
// the script lists them, which is also the tab order. Sizes and positions are in dialog
// units; the framework turns them into pixels from the template's font.

#include "framework/base/WinTypes.h"

#include <span>

#if defined(_WIN32)
// The styles are the system's: windows.h has the window and control styles, the common
// controls' header the up-down control's.
#include <commctrl.h>
#else
// Window styles.
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD DS_MODALFRAME = 0x00000080;
constexpr DWORD WS_EX_APPWINDOW = 0x00040000;

// Control styles.
constexpr DWORD BS_OWNERDRAW = 0x0000000B;
constexpr DWORD SS_CENTER = 0x00000001;
constexpr DWORD SS_ICON = 0x00000003;
constexpr DWORD SS_SIMPLE = 0x0000000B;
constexpr DWORD SS_TYPEMASK = 0x0000001F;
constexpr DWORD SS_NOTIFY = 0x00000100;
constexpr DWORD ES_AUTOHSCROLL = 0x00000080;
constexpr DWORD ES_NUMBER = 0x00002000;
constexpr DWORD UDS_SETBUDDYINT = 0x00000002;
constexpr DWORD UDS_ALIGNRIGHT = 0x00000004;
constexpr DWORD UDS_AUTOBUDDY = 0x00000010;
#endif

enum class ControlKind
{
    Static,
    Button,
    Edit,
    UpDown,
};

struct ControlTemplate
{
    int id;
    ControlKind kind;
    // The caption; for an icon static (SS_ICON) "#" and the icon's resource id.
    const char* text;
    int x;
    int y;
    int cx;
    int cy;
    DWORD style;
};

struct DialogTemplate
{
    UINT id;
    const char* caption;
    const char* fontFace;
    int pointSize;
    int cx;
    int cy;
    DWORD style;
    DWORD exStyle;
    std::span<const ControlTemplate> controls;
};
