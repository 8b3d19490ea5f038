#include "CFont.h"

#include "qt/QtConversions.h"
#include "qt/WinFontMetrics.h"

#include <QFont>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// The point size a LOGFONT height of 0 stands for.
constexpr int kDefaultPoints = 8;

// Matching a height to a face's cell reads the font's tables, and the controls ask for the
// same few fonts at every paint: the answers are kept.
int CachedPixelSizeForCellHeight(const QFont& font, const LOGFONT& logFont)
{
    constexpr std::size_t kKept = 16;
    thread_local std::vector<std::pair<LOGFONT, int>> sizes;
    for (const auto& [description, size] : sizes) {
        if (description == logFont)
            return size;
    }
    const int size = PixelSizeForCellHeight(font, logFont.lfHeight);
    if (sizes.size() == kKept)
        sizes.erase(sizes.begin());
    sizes.emplace_back(logFont, size);
    return size;
}

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

BOOL CFont::CreatePointFont(int pointSizeTenths, const char* faceName)
{
    return CreateFont(-MulDiv(pointSizeTenths, 96, 720), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                      0, 0, faceName);
}

BOOL CFont::DeleteObject()
{
    const bool wasCreated = m_bCreated;
    m_logFont = LOGFONT();
    m_bCreated = false;
    return wasCreated;
}

int CFont::GetLogFont(LOGFONT* logFont) const
{
    if (!logFont || !m_bCreated)
        return 0;
    *logFont = m_logFont;
    return int(sizeof(LOGFONT));
}

QFont CFont::ToQFont() const
{
    return ToQFont(m_logFont);
}

QFont CFont::ToQFont(const LOGFONT& logFont)
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
        font.setPixelSize(CachedPixelSizeForCellHeight(font, logFont));
    } else {
        font.setPixelSize(MulDiv(kDefaultPoints, 96, 72));
    }
    return font;
}
