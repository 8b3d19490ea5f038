#include "framework/qt/gdiplus/Pen.h"

#include <QColor>
#include <QPen>

namespace Gdiplus {

Pen::Pen(const Color& color, REAL width)
    : m_color(color), m_width(width),
      m_pPen(std::make_unique<QPen>(QColor::fromRgba(color.GetValue()), qreal(width), Qt::SolidLine,
                                    Qt::FlatCap, Qt::MiterJoin))
{
}

Pen::~Pen() = default;

} // namespace Gdiplus
