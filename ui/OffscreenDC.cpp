#include "ui/OffscreenDC.h"

OffscreenDC::OffscreenDC(int width, int height, CDC* reference) : m_pBitmap(std::make_unique<CBitmap>())
{
    CreateCompatibleDC(reference);
    if (m_pBitmap->CreateCompatibleBitmap(reference, width, height))
        SelectObject(m_pBitmap.get());
    if (reference)
        SetMapMode(reference->GetMapMode());
}

OffscreenDC::~OffscreenDC()
{
    ReleaseBitmap();
}

std::unique_ptr<CBitmap> OffscreenDC::ReleaseBitmap()
{
    SelectObject(static_cast<CBitmap*>(nullptr));
    return std::move(m_pBitmap);
}

std::unique_ptr<CBitmap> CopyOf(CDC* dc, const CRect& rect)
{
    OffscreenDC copy(rect.Width(), rect.Height(), dc);
    copy.BitBlt(0, 0, rect.Width(), rect.Height(), dc, rect.left, rect.top, SRCCOPY);
    return copy.ReleaseBitmap();
}

void DrawBitmap(CBitmap* bitmap, CDC* dc, CPoint point)
{
    if (!bitmap || !dc || !bitmap->GetSafeHandle())
        return;
    CDC memory;
    memory.CreateCompatibleDC(dc);
    memory.SelectObject(bitmap);
    memory.SetMapMode(dc->GetMapMode());
    dc->BitBlt(point.x, point.y, bitmap->GetWidth(), bitmap->GetHeight(), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(static_cast<CBitmap*>(nullptr));
}
