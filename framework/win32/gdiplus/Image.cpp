#include "framework/win32/gdiplus/Image.h"

#include "framework/win32/gdiplus/GdiplusFlat.h"

namespace Gdiplus {

Image::Image(const WCHAR* filename)
{
    m_status =
        Status(GdiplusFlat::GdipLoadImageFromFile(reinterpret_cast<const wchar_t*>(filename), &m_pImage));
    if (m_status != Ok)
        m_pImage = nullptr;
}

Image::~Image()
{
    if (m_pImage)
        GdiplusFlat::GdipDisposeImage(m_pImage);
}

unsigned Image::GetWidth() const
{
    UINT width = 0;
    if (m_pImage)
        GdiplusFlat::GdipGetImageWidth(m_pImage, &width);
    return width;
}

unsigned Image::GetHeight() const
{
    UINT height = 0;
    if (m_pImage)
        GdiplusFlat::GdipGetImageHeight(m_pImage, &height);
    return height;
}

} // namespace Gdiplus
