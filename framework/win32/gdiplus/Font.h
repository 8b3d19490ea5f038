#pragma once
// A font of a family at a size in points or pixels, the system GDI+'s font.

#include "framework/base/gdiplus/GdiplusTypes.h"
#include "framework/win32/gdiplus/Handles.h"

namespace Gdiplus {

class FontFamily;

class Font
{
public:
    Font(const FontFamily* family, REAL emSize, INT style = FontStyleRegular, Unit unit = UnitPoint);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    bool IsAvailable() const { return m_pFont != nullptr; }
    Status GetLastStatus() const { return m_status; }

    GdiplusFlat::GpFont* NativeFont() const { return m_pFont; }

private:
    GdiplusFlat::GpFont* m_pFont = nullptr;
    Status m_status = Ok;
};

} // namespace Gdiplus
