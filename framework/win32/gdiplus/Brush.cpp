#include "framework/win32/gdiplus/Brush.h"

#include "framework/win32/gdiplus/GdiplusFlat.h"

namespace Gdiplus {

Brush::~Brush()
{
    if (m_pBrush)
        GdiplusFlat::GdipDeleteBrush(m_pBrush);
}

} // namespace Gdiplus
