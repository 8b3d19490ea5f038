#include "framework/CFont.h"

#include "framework/qt/QtConversions.h"
#include "framework/qt/QtFonts.h"
#include "framework/qt/WinFontMetrics.h"

#include <QFont>

#include <algorithm>
#include <cstring>

namespace {

// The point size a LOGFONT height of 0 stands for.
constexpr int kDefaultPoints = 8;

} // namespace

CFont::CFont() = default;
CFont::~CFont() = default;

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, const char* faceName)
{
    LOGFONT logFont;
    logFont.lfHeight = height;
    logFont.lfWidth = width;
    logFont.lfEscapement = escapement;
    logFont.lfOrientation = orientation;
    logFont.lfWeight = weight;
    logFont.lfItalic = italic;
    logFont.lfUnderline = underline;
    logFont.lfStrikeOut = strikeOut;
    logFont.lfCharSet = charSet;
    logFont.lfOutPrecision = outPrecision;
    logFont.lfClipPrecision = clipPrecision;
    logFont.lfQuality = quality;
    logFont.lfPitchAndFamily = pitchAndFamily;
    if (faceName)
        std::strncpy(logFont.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&logFont);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont)
{
    if (!logFont)
        return FALSE;
    m_logFont = *logFont;
    m_logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    m_bCreated = true;
    return TRUE;
}

int CFont::GetLogFont(LOGFONT* logFont) const
{
    if (!logFont || !m_bCreated)
        return 0;
    *logFont = m_logFont;
    return int(sizeof(LOGFONT));
}

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
