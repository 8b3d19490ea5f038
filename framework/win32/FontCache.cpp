#include "framework/win32/FontCache.h"

#include <cstring>
#include <vector>

namespace {

struct CachedFont
{
    LOGFONT logFont;
    HFONT font;
};

bool SameFont(const LOGFONT& a, const LOGFONT& b)
{
    return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth && a.lfEscapement == b.lfEscapement &&
           a.lfOrientation == b.lfOrientation && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
           a.lfUnderline == b.lfUnderline && a.lfStrikeOut == b.lfStrikeOut && a.lfCharSet == b.lfCharSet &&
           a.lfOutPrecision == b.lfOutPrecision && a.lfClipPrecision == b.lfClipPrecision &&
           a.lfQuality == b.lfQuality && a.lfPitchAndFamily == b.lfPitchAndFamily &&
           std::strncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
}

} // namespace

namespace FontCache {

HFONT FontOf(const LOGFONT& logFont)
{
    // A dialog uses a handful of fonts; a list is quicker to search than to hash.
    static std::vector<CachedFont> fonts;
    for (const CachedFont& cached : fonts) {
        if (SameFont(cached.logFont, logFont))
            return cached.font;
    }
    HFONT font = CreateFontIndirectA(&logFont);
    if (font)
        fonts.push_back({logFont, font});
    return font;
}

} // namespace FontCache
