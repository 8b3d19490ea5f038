#include "framework/qt/DialogUnits.h"

#include "framework/base/WinTypes.h"
#include "framework/qt/WinFontMetrics.h"

#include <QFontMetrics>
#include <QRect>
#include <QSize>

BaseUnits BaseUnitsOf(const QFont& font)
{
    const int width = QFontMetrics(font).horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(width / 26 + 1) / 2, CellHeight(font)};
}

QRect MapDialogRect(const BaseUnits& units, int x, int y, int cx, int cy)
{
    return QRect(MulDiv(x, units.x, 4), MulDiv(y, units.y, 8), MulDiv(cx, units.x, 4),
                 MulDiv(cy, units.y, 8));
}

QSize MapDialogSize(const BaseUnits& units, int cx, int cy)
{
    return QSize(MulDiv(cx, units.x, 4), MulDiv(cy, units.y, 8));
}
