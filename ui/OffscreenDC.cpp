#include "ui/OffscreenDC.h"

#include <QImage>
#include <QPainter>

OffscreenDC::OffscreenDC(int width, int height, CDC* reference) : m_pBitmap(std::make_unique<CBitmap>())
{
    m_pBitmap->CreateCompatibleBitmap(reference, width, height);
    if (QImage* image = m_pBitmap->GetImage(); image && !image->isNull()) {
        m_pPainter = std::make_unique<QPainter>(image);
        Attach(m_pPainter.get(), image);
    }
    if (reference)
        SetMapMode(reference->GetMapMode());
}

OffscreenDC::~OffscreenDC()
{
    ReleaseBitmap();
}

std::unique_ptr<CBitmap> OffscreenDC::ReleaseBitmap()
{
    Attach(nullptr, nullptr);
    m_pPainter.reset();
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
    if (!bitmap || !dc || !bitmap->GetImage() || bitmap->GetImage()->isNull())
        return;
    QImage* image = bitmap->GetImage();
    QPainter painter(image);
    CDC memory(&painter, image);
    memory.SetMapMode(dc->GetMapMode());
    dc->BitBlt(point.x, point.y, bitmap->GetWidth(), bitmap->GetHeight(), &memory, 0, 0, SRCCOPY);
}
