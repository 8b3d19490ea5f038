#pragma once
// Base of the brushes a fill paints with. It holds the Qt brush that the drawing surface
// hands to its painter; the derived classes only say how that brush is built.

#include "framework/base/gdiplus/GdiplusTypes.h"

#include <memory>

class QBrush;

namespace Gdiplus {

class Brush
{
public:
    virtual ~Brush();
    Brush(const Brush&) = delete;
    Brush& operator=(const Brush&) = delete;

    Status GetLastStatus() const { return m_status; }

    // The brush as the painter takes it; a failed brush paints nothing.
    const QBrush& QtBrush() const { return *m_pBrush; }

protected:
    Brush();

    std::unique_ptr<QBrush> m_pBrush;
    Status m_status = Ok;
};

} // namespace Gdiplus
