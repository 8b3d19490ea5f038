#include "framework/win32/gdiplus/FontFamily.h"

#include "framework/win32/gdiplus/GdiplusFlat.h"

namespace Gdiplus {

FontFamily::FontFamily(const WCHAR* name)
{
    m_status = Status(GdiplusFlat::GdipCreateFontFamilyFromName(reinterpret_cast<const wchar_t*>(name),
                                                                nullptr, &m_pFamily));
    if (m_status != Ok)
        m_pFamily = nullptr;
}

FontFamily::~FontFamily()
{
    if (m_pFamily)
        GdiplusFlat::GdipDeleteFontFamily(m_pFamily);
}

const FontFamily* FontFamily::GenericSansSerif()
{
    // Made once GDI+ runs, and never deleted: GDI+ may be shut down before static objects go.
    static FontFamily* const generic = [] {
        auto* family = new FontFamily;
        family->m_status = Status(GdiplusFlat::GdipGetGenericFontFamilySansSerif(&family->m_pFamily));
        if (family->m_status != Ok)
            family->m_pFamily = nullptr;
        return family;
    }();
    return generic;
}

} // namespace Gdiplus
