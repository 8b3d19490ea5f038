#pragma once
// Font heights as Windows' GDI measures them. GDI takes a font's cell height (tmHeight)
// from the OS/2 table's usWinAscent and usWinDescent, where Qt may use the typographic
// metrics instead; dialog units and LOGFONT cell heights must follow GDI to come out at
// Windows' sizes.

class QFont;

// ascent + descent in pixels, as GDI reports tmHeight for this font.
int CellHeight(const QFont& font);
// The em size in pixels whose cell height is cellHeight (a positive LOGFONT height).
int PixelSizeForCellHeight(const QFont& font, int cellHeight);
