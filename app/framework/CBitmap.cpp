#include "CBitmap.h"

#include "CDC.h"

#include <QImage>

CBitmap::CBitmap() = default;
CBitmap::~CBitmap() = default;

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    if (width <= 0 || height <= 0)
        return FALSE;
    // The context's own pixel format, so that copies between the two are plain copies.
    const QImage* like = dc ? dc->GetImage() : nullptr;
    const QImage::Format format =
        like && !like->isNull() ? like->format() : QImage::Format_ARGB32_Premultiplied;
    m_image = std::make_unique<QImage>(width, height, format);
    return !m_image->isNull();
}

int CBitmap::GetWidth() const
{
    return m_image ? m_image->width() : 0;
}

int CBitmap::GetHeight() const
{
    return m_image ? m_image->height() : 0;
}
