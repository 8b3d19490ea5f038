#include "framework/qt/gdiplus/GraphicsPath.h"

#include <QPainterPath>

namespace Gdiplus {

GraphicsPath::GraphicsPath() : m_pPath(std::make_unique<QPainterPath>()) {}

GraphicsPath::~GraphicsPath() = default;

Status GraphicsPath::AddArc(INT x, INT y, INT width, INT height, REAL startAngle, REAL sweepAngle)
{
    if (width <= 0 || height <= 0)
        return InvalidParameter;
    // Qt counts angles counter-clockwise on screen, hence the negated angles. A new figure
    // must start at the arc itself: Qt would otherwise join it to the previous point.
    const QRectF box(x, y, width, height);
    if (!m_bFigureOpen)
        m_pPath->arcMoveTo(box, -startAngle);
    m_pPath->arcTo(box, -startAngle, -sweepAngle);
    m_bFigureOpen = true;
    return Ok;
}

Status GraphicsPath::AddLine(INT x1, INT y1, INT x2, INT y2)
{
    if (m_bFigureOpen)
        m_pPath->lineTo(x1, y1);
    else
        m_pPath->moveTo(x1, y1);
    m_pPath->lineTo(x2, y2);
    m_bFigureOpen = true;
    return Ok;
}

Status GraphicsPath::CloseFigure()
{
    if (m_bFigureOpen)
        m_pPath->closeSubpath();
    m_bFigureOpen = false;
    return Ok;
}

} // namespace Gdiplus
