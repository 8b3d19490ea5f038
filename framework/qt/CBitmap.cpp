#include "framework/CBitmap.h"

#include "framework/CDC.h"
#include "framework/qt/QtHandles.h"

#include <QImage>

struct HBITMAP__
{
    QImage image;
};

CBitmap::CBitmap() = default;

CBitmap::~CBitmap()
{
    delete m_hBitmap;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    if (width <= 0 || height <= 0)
        return FALSE;
    // The context's own pixel format, so that copies between the two are plain copies; a
    // window's pixels are opaque.
    const QImage* like = ImageOf(dc);
    const QImage::Format format = like && !like->isNull()  ? like->format()
                                  : dc && dc->GetSafeHdc() ? QImage::Format_RGB32
                                                           : QImage::Format_ARGB32_Premultiplied;
    delete m_hBitmap;
    m_hBitmap = new HBITMAP__{QImage(width, height, format)};
    return !m_hBitmap->image.isNull();
}

int CBitmap::GetWidth() const
{
    return m_hBitmap ? m_hBitmap->image.width() : 0;
}

int CBitmap::GetHeight() const
{
    return m_hBitmap ? m_hBitmap->image.height() : 0;
}

QImage* ImageOf(const CBitmap* bitmap)
{
    return bitmap && bitmap->GetSafeHandle() ? &bitmap->GetSafeHandle()->image : nullptr;
}
