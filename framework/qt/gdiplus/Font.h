#pragma once
// A font of a family at a size in points or pixels. Points are converted at 96 pixels per
// inch whatever the screen reports, so that 8 points are always 8 * 96 / 72 pixels and the
// captions keep the size the layouts were made for.

#include "framework/base/gdiplus/GdiplusTypes.h"

#include <memory>

class QFont;

namespace Gdiplus {

class FontFamily;

class Font
{
public:
    Font(const FontFamily* family, REAL emSize, INT style = FontStyleRegular, Unit unit = UnitPoint);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    bool IsAvailable() const { return m_status == Ok; }
    Status GetLastStatus() const { return m_status; }
    // The em height in pixels.
    REAL GetPixelSize() const { return m_pixelSize; }

    // The Qt font for a device of the given logical resolution.
    QFont QtFont(int logicalDpiY) const;

private:
    std::unique_ptr<QFont> m_pFont;
    REAL m_pixelSize = 0;
    Status m_status = Ok;
};

} // namespace Gdiplus
