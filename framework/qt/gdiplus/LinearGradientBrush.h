#pragma once
// A two-colour linear gradient over an integer rectangle. The gradient stretches with its
// rectangle: in every mode the start colour lies on the rectangle's starting edge or corner
// and the end colour on the opposite one, whatever the aspect ratio. For the diagonal modes
// this is not the perpendicular gradient one would get from the corner points alone: the
// lines of equal colour run parallel to the other diagonal, so that both corners get their
// exact colours. Outside the rectangle the gradient repeats (tiling wrap).

#include "framework/qt/gdiplus/Brush.h"

namespace Gdiplus {

class LinearGradientBrush : public Brush
{
public:
    LinearGradientBrush(const Rect& rect, const Color& color1, const Color& color2, LinearGradientMode mode);

    Status SetWrapMode(WrapMode wrapMode);

private:
    WrapMode m_wrapMode = WrapModeTile;
};

} // namespace Gdiplus
