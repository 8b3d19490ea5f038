#pragma once
// How text sits in its layout rectangle: horizontal alignment (near = left) and line
// alignment (near = top). Text wraps at word boundaries and is clipped to the rectangle.

#include "framework/base/gdiplus/GdiplusTypes.h"

namespace Gdiplus {

class StringFormat
{
public:
    StringFormat() = default;

    Status SetAlignment(StringAlignment align)
    {
        m_alignment = align;
        return Ok;
    }
    Status SetLineAlignment(StringAlignment align)
    {
        m_lineAlignment = align;
        return Ok;
    }
    StringAlignment GetAlignment() const { return m_alignment; }
    StringAlignment GetLineAlignment() const { return m_lineAlignment; }

private:
    StringAlignment m_alignment = StringAlignmentNear;
    StringAlignment m_lineAlignment = StringAlignmentNear;
};

} // namespace Gdiplus
