#include "framework/common/EditSelection.h"

#include "framework/CWnd.h"

void SelectWholeText(CWnd& edit)
{
    if (HWND handle = edit.GetSafeHwnd())
        SendMessageW(handle, EM_SETSEL, 0, -1);
}
