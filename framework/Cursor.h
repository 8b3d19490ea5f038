#pragma once
// Cursor and icon resources: the pointing-hand cursors (101 buttons, 138 answers) and
// the program icon 128, drawn by us and built into the program.

#include "framework/base/WinTypes.h"

class CDC;

#if defined(_WIN32)
// The handles, DestroyCursor, SetCursor, DestroyIcon and GetSystemMetrics are the system's.
#else
struct CursorResource;
using HCURSOR = CursorResource*;
struct IconResource;
using HICON = IconResource*;

constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;
#endif

// None when there is no cursor of that id.
HCURSOR LoadCursorResource(UINT id);
#if !defined(_WIN32)
BOOL DestroyCursor(HCURSOR cursor);
// Makes the cursor current for the window whose cursor request is being handled (the one
// under the mouse); outside a cursor request it changes nothing. Returns the previous one.
HCURSOR SetCursor(HCURSOR cursor);
#endif

// Icon resource id at the given size in pixels (0, 0: the system's standard size).
HICON LoadIconResource(UINT id, int width, int height);
#if !defined(_WIN32)
BOOL DestroyIcon(HICON icon);
#endif
BOOL DrawIcon(CDC* dc, int x, int y, HICON icon);
#if !defined(_WIN32)
int GetSystemMetrics(int index);
#endif

// The mouse position in screen coordinates.
BOOL GetCursorPos(CPoint* point);
