#pragma once
// A font family by name, as the system's fonts have it, or the generic sans-serif family.
// A family the system does not have is not available (Wine has no "Arial", for one).

#include "framework/base/gdiplus/GdiplusTypes.h"
#include "framework/win32/gdiplus/Handles.h"

namespace Gdiplus {

class FontFamily
{
public:
    explicit FontFamily(const WCHAR* name);
    ~FontFamily();
    FontFamily(const FontFamily&) = delete;
    FontFamily& operator=(const FontFamily&) = delete;

    // Lives until the process ends, like the system's generic families.
    static const FontFamily* GenericSansSerif();

    bool IsAvailable() const { return m_pFamily != nullptr; }
    Status GetLastStatus() const { return m_status; }

    GdiplusFlat::GpFontFamily* NativeFamily() const { return m_pFamily; }

private:
    FontFamily() = default;

    GdiplusFlat::GpFontFamily* m_pFamily = nullptr;
    Status m_status = Ok;
};

} // namespace Gdiplus
