#include "framework/win32/gdiplus/LinearGradientBrush.h"

#include "framework/win32/gdiplus/GdiplusFlat.h"

namespace Gdiplus {

LinearGradientBrush::LinearGradientBrush(const Rect& rect, const Color& color1, const Color& color2,
                                         LinearGradientMode mode)
{
    const GdiplusFlat::GpRect area(rect.X, rect.Y, rect.Width, rect.Height);
    GdiplusFlat::GpLineGradient* gradient = nullptr;
    m_status = Status(GdiplusFlat::GdipCreateLineBrushFromRectI(&area, color1.GetValue(), color2.GetValue(),
                                                                GdiplusFlat::LinearGradientMode(mode),
                                                                GdiplusFlat::WrapModeTile, &gradient));
    m_pBrush = gradient;
}

Status LinearGradientBrush::SetWrapMode(WrapMode wrapMode)
{
    if (!m_pBrush)
        return m_status;
    return Status(GdiplusFlat::GdipSetLineWrapMode(static_cast<GdiplusFlat::GpLineGradient*>(m_pBrush),
                                                   GdiplusFlat::WrapMode(wrapMode)));
}

} // namespace Gdiplus
