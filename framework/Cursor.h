#pragma once
// Cursor and icon resources: the pointing-hand cursors (101 buttons, 138 answers) and
// the program icon 128, drawn by us and built into the program.

#include "framework/base/WinTypes.h"

class CDC;

struct CursorResource;
using HCURSOR = CursorResource*;
struct IconResource;
using HICON = IconResource*;

constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;

// None when there is no cursor of that id.
HCURSOR LoadCursorResource(UINT id);
BOOL DestroyCursor(HCURSOR cursor);
// Makes the cursor current for the window whose cursor request is being handled (the one
// under the mouse); outside a cursor request it changes nothing. Returns the previous one.
HCURSOR SetCursor(HCURSOR cursor);

// Icon resource id at the given size in pixels (0, 0: the system's standard size).
HICON LoadIconResource(UINT id, int width, int height);
BOOL DestroyIcon(HICON icon);
BOOL DrawIcon(CDC* dc, int x, int y, HICON icon);
int GetSystemMetrics(int index);

// The mouse position in screen coordinates.
BOOL GetCursorPos(CPoint* point);
