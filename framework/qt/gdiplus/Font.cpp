#include "framework/qt/gdiplus/Font.h"

#include "framework/qt/gdiplus/FontFamily.h"

#include <QFont>
#include <QStringList>

namespace Gdiplus {

namespace {

constexpr REAL kPixelsPerInch = 96;
constexpr REAL kPointsPerInch = 72;

} // namespace

Font::Font(const FontFamily* family, REAL emSize, INT style, Unit unit) : m_pFont(std::make_unique<QFont>())
{
    if (!family || !family->IsAvailable() || emSize <= 0) {
        m_status = family && !family->IsAvailable() ? FontFamilyNotFound : InvalidParameter;
        return;
    }
    m_pixelSize = unit == UnitPoint ? emSize * kPixelsPerInch / kPointsPerInch : emSize;
    if (family->IsGeneric())
        m_pFont->setStyleHint(QFont::SansSerif);
    m_pFont->setFamilies(QStringList{QString::fromStdU16String(family->GetName())});
    m_pFont->setBold((style & FontStyleBold) != 0);
    m_pFont->setItalic((style & FontStyleItalic) != 0);
}

Font::~Font() = default;

QFont Font::QtFont(int logicalDpiY) const
{
    QFont font = *m_pFont;
    // Qt sizes fonts in points of the device; pick the point size that gives our pixels.
    if (m_pixelSize > 0 && logicalDpiY > 0)
        font.setPointSizeF(qreal(m_pixelSize) * kPointsPerInch / logicalDpiY);
    return font;
}

} // namespace Gdiplus
