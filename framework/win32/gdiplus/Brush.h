#pragma once
// Base of the brushes a fill paints with: the system GDI+ brush that the derived classes
// create, deleted with the object. A brush that could not be made paints nothing.

#include "framework/base/gdiplus/GdiplusTypes.h"
#include "framework/win32/gdiplus/Handles.h"

namespace Gdiplus {

class Brush
{
public:
    virtual ~Brush();
    Brush(const Brush&) = delete;
    Brush& operator=(const Brush&) = delete;

    Status GetLastStatus() const { return m_status; }

    GdiplusFlat::GpBrush* NativeBrush() const { return m_pBrush; }

protected:
    Brush() = default;

    GdiplusFlat::GpBrush* m_pBrush = nullptr;
    Status m_status = Ok;
};

} // namespace Gdiplus
