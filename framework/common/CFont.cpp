#include "framework/CFont.h"

#include <cstring>

// LOGFONT is the system's plain structure on Windows: zeroed here, as on every system.
CFont::CFont() : m_logFont() {}
CFont::~CFont() = default;

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, const char* faceName)
{
    LOGFONT logFont{};
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
