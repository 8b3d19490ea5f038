#pragma once
// Fonts, bitmaps and brushes of the device-context layer. A font is described by a
// LOGFONT as on Windows (height in pixels: positive = cell height, negative = character
// height); a bitmap is a 32-bit image; a brush handle is either the stock hollow brush
// or a solid colour.

#include "WinTypes.h"

#include <memory>

class QFont;
class QImage;
class CDC;

constexpr int LF_FACESIZE = 32;
constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_BOLD = 700;
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
    BOOL CreatePointFont(int pointSizeTenths, const char* faceName);
    int GetLogFont(LOGFONT* logFont) const;
    bool IsCreated() const { return m_bCreated; }

    // The Qt font this description resolves to.
    QFont ToQFont() const;

private:
    LOGFONT m_logFont;
    bool m_bCreated = false;
};

class CBitmap
{
public:
    CBitmap();
    ~CBitmap();
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    // The pixels are not initialised, as with a compatible bitmap on Windows.
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    int GetWidth() const;
    int GetHeight() const;
    QImage* GetImage() const { return m_image.get(); }

private:
    std::unique_ptr<QImage> m_image;
};

struct GdiBrush
{
    bool hollow = false;
    COLORREF color = 0;
};
using HBRUSH = const GdiBrush*;

constexpr int NULL_BRUSH = 5;
// The stock hollow brush: a control given it does not fill its background.
HBRUSH GetStockObject(int stockObject);
// The framework's dialog brush, filled with the dialog face colour.
HBRUSH GetDialogBrush();
COLORREF GetDialogFaceColor();
