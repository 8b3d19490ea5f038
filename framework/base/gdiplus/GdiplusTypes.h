#pragma once
// Value types of the graphics interface: colours as 32-bit ARGB, integer and floating-point
// rectangles, status codes and the enumerations the drawing calls take. The names follow
// GDI+ so that the drawing code of the dialogs and buttons reads like GDI+ code; the numbers of
// the enumerations are the system GDI+'s, so the Windows back-end hands them on unchanged.

#include <cstdint>

namespace Gdiplus {

using ARGB = std::uint32_t;
using REAL = float;
using INT = int;
using WCHAR = char16_t;

// Every operation reports one of these; the callers are free to ignore them, and a failed
// object only leaves its part of the drawing out.
enum Status
{
    Ok = 0,
    GenericError = 1,
    InvalidParameter = 2,
    FileNotFound = 10,
    UnknownImageFormat = 13,
    FontFamilyNotFound = 14
};

enum SmoothingMode
{
    SmoothingModeDefault = 0,
    SmoothingModeHighSpeed = 1,
    SmoothingModeHighQuality = 2,
    SmoothingModeNone = 3,
    SmoothingModeAntiAlias = 4
};

enum LinearGradientMode
{
    LinearGradientModeHorizontal = 0,
    LinearGradientModeVertical = 1,
    LinearGradientModeForwardDiagonal = 2,
    LinearGradientModeBackwardDiagonal = 3
};

enum WrapMode
{
    WrapModeTile = 0,
    WrapModeTileFlipXY = 3
};

enum StringAlignment
{
    StringAlignmentNear = 0,
    StringAlignmentCenter = 1,
    StringAlignmentFar = 2
};

enum FontStyle
{
    FontStyleRegular = 0,
    FontStyleBold = 1,
    FontStyleItalic = 2
};

enum Unit
{
    UnitPixel = 2,
    UnitPoint = 3
};

class Color
{
public:
    constexpr Color() = default;
    constexpr explicit Color(ARGB argb) : m_argb(argb) {}
    constexpr Color(std::uint8_t a, std::uint8_t r, std::uint8_t g, std::uint8_t b)
        : m_argb(ARGB(a) << 24 | ARGB(r) << 16 | ARGB(g) << 8 | ARGB(b))
    {
    }

    constexpr ARGB GetValue() const { return m_argb; }

    // An opaque colour from a Windows colour value (0x00BBGGRR).
    static constexpr Color FromCOLORREF(std::uint32_t colorRef)
    {
        return Color(0xFF, std::uint8_t(colorRef), std::uint8_t(colorRef >> 8), std::uint8_t(colorRef >> 16));
    }

private:
    ARGB m_argb = 0xFF000000;
};

struct Rect
{
    INT X = 0;
    INT Y = 0;
    INT Width = 0;
    INT Height = 0;

    constexpr Rect() = default;
    constexpr Rect(INT x, INT y, INT width, INT height) : X(x), Y(y), Width(width), Height(height) {}
};

struct RectF
{
    REAL X = 0;
    REAL Y = 0;
    REAL Width = 0;
    REAL Height = 0;

    constexpr RectF() = default;
    constexpr RectF(REAL x, REAL y, REAL width, REAL height) : X(x), Y(y), Width(width), Height(height) {}
};

} // namespace Gdiplus
