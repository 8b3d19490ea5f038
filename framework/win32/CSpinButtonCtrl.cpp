#include "framework/CSpinButtonCtrl.h"

#include <commctrl.h>

void CSpinButtonCtrl::SetRange(int lower, int upper)
{
    if (GetSafeHwnd())
        SendMessageW(GetSafeHwnd(), UDM_SETRANGE32, WPARAM(lower), LPARAM(upper));
}

int CSpinButtonCtrl::SetPos(int position)
{
    return GetSafeHwnd() ? int(SendMessageW(GetSafeHwnd(), UDM_SETPOS32, 0, position)) : 0;
}
