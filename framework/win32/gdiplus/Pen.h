#pragma once
// A pen of an ARGB colour and a width in pixels, with flat caps and mitred joins (the system
// GDI+'s defaults).

#include "framework/base/gdiplus/GdiplusTypes.h"
#include "framework/win32/gdiplus/Handles.h"

namespace Gdiplus {

class Pen
{
public:
    explicit Pen(const Color& color, REAL width = 1.0f);
    ~Pen();
    Pen(const Pen&) = delete;
    Pen& operator=(const Pen&) = delete;

    Color GetColor() const { return m_color; }
    REAL GetWidth() const { return m_width; }
    Status GetLastStatus() const { return m_status; }

    GdiplusFlat::GpPen* NativePen() const { return m_pPen; }

private:
    Color m_color;
    REAL m_width;
    GdiplusFlat::GpPen* m_pPen = nullptr;
    Status m_status = Ok;
};

} // namespace Gdiplus
