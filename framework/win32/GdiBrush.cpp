#include "framework/GdiBrush.h"

#include "framework/win32/SystemStockObject.h"

HBRUSH GetStockObject(int stockObject)
{
    switch (stockObject) {
    case NULL_BRUSH:
    case WHITE_BRUSH:
    case LTGRAY_BRUSH:
    case GRAY_BRUSH:
    case DKGRAY_BRUSH:
    case BLACK_BRUSH:
        return static_cast<HBRUSH>(SystemStockObject::Get(stockObject));
    default:
        return nullptr;
    }
}

HBRUSH GetDialogBrush()
{
    return GetSysColorBrush(COLOR_3DFACE);
}

COLORREF GetDialogFaceColor()
{
    return GetSysColor(COLOR_3DFACE);
}

HBRUSH GetWindowBrush()
{
    return GetSysColorBrush(COLOR_WINDOW);
}
