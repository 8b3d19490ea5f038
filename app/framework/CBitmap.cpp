#include "CBitmap.h"

#include <QImage>

CBitmap::CBitmap() = default;
CBitmap::~CBitmap() = default;

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int width, int height)
{
    if (width <= 0 || height <= 0)
        return FALSE;
    m_image = std::make_unique<QImage>(width, height, QImage::Format_ARGB32_Premultiplied);
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
