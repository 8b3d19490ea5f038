#pragma once
// A pen of an ARGB colour and a width in pixels, with flat caps and mitred joins.

#include "framework/base/gdiplus/GdiplusTypes.h"

#include <memory>

class QPen;

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
    Status GetLastStatus() const { return Ok; }

    const QPen& QtPen() const { return *m_pPen; }

private:
    Color m_color;
    REAL m_width;
    std::unique_ptr<QPen> m_pPen;
};

} // namespace Gdiplus
