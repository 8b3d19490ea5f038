#include "framework/qt/gdiplus/SolidBrush.h"

#include <QBrush>
#include <QColor>

namespace Gdiplus {

SolidBrush::SolidBrush(const Color& color) : m_color(color)
{
    *m_pBrush = QBrush(QColor::fromRgba(color.GetValue()));
}

} // namespace Gdiplus
