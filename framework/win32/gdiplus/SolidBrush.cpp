#include "framework/win32/gdiplus/SolidBrush.h"

#include "framework/win32/gdiplus/GdiplusFlat.h"

namespace Gdiplus {

SolidBrush::SolidBrush(const Color& color) : m_color(color)
{
    GdiplusFlat::GpSolidFill* fill = nullptr;
    m_status = Status(GdiplusFlat::GdipCreateSolidFill(color.GetValue(), &fill));
    m_pBrush = fill;
}

} // namespace Gdiplus
