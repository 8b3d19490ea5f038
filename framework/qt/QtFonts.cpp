#include "framework/qt/QtFonts.h"

#include "framework/qt/QtConversions.h"
#include "framework/qt/WinFontMetrics.h"

#include <algorithm>

namespace {

// The point size a LOGFONT height of 0 stands for.
constexpr int kDefaultPoints = 8;

} // namespace

QFont ToQFont(const CFont& font)
{
    LOGFONT logFont;
    font.GetLogFont(&logFont);
    return ToQFont(logFont);
}

QFont ToQFont(const LOGFONT& logFont)
{
    QFont font;
    const QString face = FromAnsi(logFont.lfFaceName);
    if (!face.isEmpty())
        font.setFamily(face);
    if ((logFont.lfPitchAndFamily & 0xF0) == FF_SWISS)
        font.setStyleHint(QFont::SansSerif);
    font.setWeight(
        QFont::Weight(logFont.lfWeight > 0 ? std::clamp(int(logFont.lfWeight), 100, 900) : FW_NORMAL));
    font.setItalic(logFont.lfItalic != 0);
    font.setUnderline(logFont.lfUnderline != 0);
    font.setStrikeOut(logFont.lfStrikeOut != 0);
    if (logFont.lfHeight < 0) {
        font.setPixelSize(-logFont.lfHeight);
    } else if (logFont.lfHeight > 0) {
        font.setPixelSize(logFont.lfHeight); // a first guess, so the face resolves at a size near it
        font.setPixelSize(PixelSizeForCellHeight(font, logFont.lfHeight));
    } else {
        font.setPixelSize(MulDiv(kDefaultPoints, 96, 72));
    }
    return font;
}
