#include "framework/Cursor.h"

#include "framework/CDC.h"
#include "framework/win32/Artwork.h"

HCURSOR LoadCursorResource(UINT id)
{
    return Artwork::MakeCursor(id);
}

HICON LoadIconResource(UINT id, int width, int)
{
    return Artwork::MakeIcon(id, width > 0 ? width : GetSystemMetrics(SM_CXICON));
}

BOOL DrawIcon(CDC* dc, int x, int y, HICON icon)
{
    return dc && icon ? ::DrawIcon(dc->GetSafeHdc(), x, y, icon) : FALSE;
}

BOOL GetCursorPos(CPoint* point)
{
    POINT p{};
    if (!point || !::GetCursorPos(&p))
        return FALSE;
    *point = CPoint(p.x, p.y);
    return TRUE;
}
