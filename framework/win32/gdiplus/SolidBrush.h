#pragma once
// A brush of one ARGB colour, for fills and for the colour of drawn text.

#include "framework/win32/gdiplus/Brush.h"

namespace Gdiplus {

class SolidBrush : public Brush
{
public:
    explicit SolidBrush(const Color& color);

    Color GetColor() const { return m_color; }

private:
    Color m_color;
};

} // namespace Gdiplus
