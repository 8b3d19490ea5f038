#pragma once
// A font family by name, or the platform's generic sans-serif family. A named family is
// available when the font database has it or the system's font configuration maps the
// name onto a face of its own (as Linux maps "Arial" onto a metric-compatible face).

#include "framework/base/gdiplus/GdiplusTypes.h"

#include <string>

namespace Gdiplus {

class FontFamily
{
public:
    explicit FontFamily(const WCHAR* name);

    static const FontFamily* GenericSansSerif();

    bool IsAvailable() const { return m_status == Ok; }
    Status GetLastStatus() const { return m_status; }
    bool IsGeneric() const { return m_bGeneric; }
    const std::u16string& GetName() const { return m_name; }

private:
    FontFamily() = default;

    std::u16string m_name;
    bool m_bGeneric = false;
    Status m_status = Ok;
};

} // namespace Gdiplus
