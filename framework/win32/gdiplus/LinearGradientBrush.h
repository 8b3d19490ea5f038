#pragma once
// A two-colour linear gradient over an integer rectangle, as the system GDI+ draws it: the
// start colour on the rectangle's starting edge or corner, the end colour on the opposite
// one; outside the rectangle the gradient repeats (tiling wrap).

#include "framework/win32/gdiplus/Brush.h"

namespace Gdiplus {

class LinearGradientBrush : public Brush
{
public:
    LinearGradientBrush(const Rect& rect, const Color& color1, const Color& color2, LinearGradientMode mode);

    Status SetWrapMode(WrapMode wrapMode);
};

} // namespace Gdiplus
