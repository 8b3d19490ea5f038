#include "framework/win32/gdiplus/Font.h"

#include "framework/win32/gdiplus/FontFamily.h"
#include "framework/win32/gdiplus/GdiplusFlat.h"

namespace Gdiplus {

Font::Font(const FontFamily* family, REAL emSize, INT style, Unit unit)
{
    if (!family || !family->NativeFamily()) {
        m_status = FontFamilyNotFound;
        return;
    }
    m_status = Status(GdiplusFlat::GdipCreateFont(family->NativeFamily(), emSize, style,
                                                  GdiplusFlat::Unit(unit), &m_pFont));
    if (m_status != Ok)
        m_pFont = nullptr;
}

Font::~Font()
{
    if (m_pFont)
        GdiplusFlat::GdipDeleteFont(m_pFont);
}

} // namespace Gdiplus
