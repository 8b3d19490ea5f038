#include "framework/win32/gdiplus/Pen.h"

#include "framework/win32/gdiplus/GdiplusFlat.h"

namespace Gdiplus {

Pen::Pen(const Color& color, REAL width) : m_color(color), m_width(width)
{
    m_status = Status(GdiplusFlat::GdipCreatePen1(color.GetValue(), width, GdiplusFlat::UnitPixel, &m_pPen));
}

Pen::~Pen()
{
    if (m_pPen)
        GdiplusFlat::GdipDeletePen(m_pPen);
}

} // namespace Gdiplus
