#pragma once
// Dialog units to pixels, computed as Windows' dialog manager does from the template's
// font: the horizontal base unit from the average width of the 52 letters, the vertical
// one from the font's cell height; a dialog unit is a quarter of the first and an eighth
// of the second.

class QFont;
class QRect;
class QSize;

struct BaseUnits
{
    int x = 0;
    int y = 0;
};

BaseUnits BaseUnitsOf(const QFont& font);
// The template rectangle (x, y, cx, cy) in pixels; each value is mapped on its own.
QRect MapDialogRect(const BaseUnits& units, int x, int y, int cx, int cy);
QSize MapDialogSize(const BaseUnits& units, int cx, int cy);
