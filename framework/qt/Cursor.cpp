#include "framework/Cursor.h"
#include "framework/qt/QtHandles.h"

#include "framework/CDC.h"
#include "framework/qt/Artwork.h"
#include "framework/qt/CursorRequest.h"
#include "framework/qt/WindowEvents.h"

#include <QCursor>
#include <QIcon>
#include <QPainter>

struct CursorResource
{
    QCursor cursor;
};

struct IconResource
{
    QIcon icon;
    int size;
};

namespace {

HCURSOR g_hCurrentCursor = nullptr;

} // namespace

HCURSOR LoadCursorResource(UINT id)
{
    std::optional<QCursor> cursor = CursorArtwork(id);
    return cursor ? new CursorResource{*cursor} : nullptr;
}

BOOL DestroyCursor(HCURSOR cursor)
{
    if (!cursor)
        return FALSE;
    if (g_hCurrentCursor == cursor)
        g_hCurrentCursor = nullptr;
    delete cursor;
    return TRUE;
}

HCURSOR SetCursor(HCURSOR cursor)
{
    const HCURSOR previous = g_hCurrentCursor;
    g_hCurrentCursor = cursor;
    CursorRequest::Apply(cursor ? cursor->cursor : QCursor(Qt::BlankCursor));
    return previous;
}

const QCursor* CursorToQt(HCURSOR cursor)
{
    return cursor ? &cursor->cursor : nullptr;
}

HICON LoadIconResource(UINT id, int width, int)
{
    QIcon icon = IconArtwork(id);
    if (icon.isNull())
        return nullptr;
    return new IconResource{std::move(icon), width > 0 ? width : GetSystemMetrics(SM_CXICON)};
}

BOOL DestroyIcon(HICON icon)
{
    if (!icon)
        return FALSE;
    delete icon;
    return TRUE;
}

BOOL DrawIcon(CDC* dc, int x, int y, HICON icon)
{
    QPainter* painter = PainterOf(dc);
    if (!painter || !icon)
        return FALSE;
    painter->drawPixmap(x, y, icon->icon.pixmap(icon->size, icon->size));
    return TRUE;
}

const QIcon* IconToQt(HICON icon)
{
    return icon ? &icon->icon : nullptr;
}

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXICON:
    case SM_CYICON:
        return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    default:
        return 0;
    }
}

BOOL GetCursorPos(CPoint* point)
{
    if (!point)
        return FALSE;
    *point = LastCursorPosition();
    return TRUE;
}
