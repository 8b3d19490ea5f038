#pragma once
// A font described by a LOGFONT as on Windows: height in pixels (positive = cell height,
// that is ascent + descent; negative = character height, the em size; 0 = the default of
// 8 points), weight 400 normal or 700 bold, face name in the ANSI code page. The font is
// only a description; it resolves to a font of the platform where text is drawn. On Windows
// LOGFONT and its constants are the system's.

#include "framework/base/WinTypes.h"

#if !defined(_WIN32)
constexpr int LF_FACESIZE = 32;
constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_BOLD = 700;
constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE DEFAULT_CHARSET = 1;
constexpr BYTE FF_SWISS = 0x20;

struct LOGFONT
{
    LONG lfHeight = 0;
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE] = {};
};
#endif

class CFont
{
public:
    CFont();
    ~CFont();
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, const char* faceName);
    BOOL CreateFontIndirect(const LOGFONT* logFont);
    int GetLogFont(LOGFONT* logFont) const;
    bool IsCreated() const { return m_bCreated; }

private:
    LOGFONT m_logFont;
    bool m_bCreated = false;
};
