#pragma once
// Brush handles of the control-colour requests: the stock hollow brush (the control
// leaves its background alone, so the dialog shows through) or a solid colour the
// control fills its background with.

#include "framework/base/WinTypes.h"

#if defined(_WIN32)
// The brush handles and the stock object numbers are the system's; the framework's
// GetStockObject stands in for the system's, which framework/base/WinTypes.h renames, so
// that it gives a brush as it does elsewhere.
#else
struct GdiBrush
{
    bool hollow = false;
    COLORREF color = 0;
};
using HBRUSH = const GdiBrush*;

constexpr int WHITE_BRUSH = 0;
constexpr int NULL_BRUSH = 5;
#endif
// A stock brush; none for other stock objects.
HBRUSH GetStockObject(int stockObject);
// The framework's dialog brush, filled with the dialog face colour.
HBRUSH GetDialogBrush();
COLORREF GetDialogFaceColor();
// The brush of an edit's text area (the window colour, white).
HBRUSH GetWindowBrush();
