#include "framework/win32/gdiplus/GraphicsPath.h"

#include "framework/win32/gdiplus/GdiplusFlat.h"

namespace Gdiplus {

GraphicsPath::GraphicsPath()
{
    m_status = Status(GdiplusFlat::GdipCreatePath(GdiplusFlat::FillModeAlternate, &m_pPath));
}

GraphicsPath::~GraphicsPath()
{
    if (m_pPath)
        GdiplusFlat::GdipDeletePath(m_pPath);
}

Status GraphicsPath::AddArc(INT x, INT y, INT width, INT height, REAL startAngle, REAL sweepAngle)
{
    if (!m_pPath)
        return m_status;
    return m_status =
               Status(GdiplusFlat::GdipAddPathArcI(m_pPath, x, y, width, height, startAngle, sweepAngle));
}

Status GraphicsPath::AddLine(INT x1, INT y1, INT x2, INT y2)
{
    if (!m_pPath)
        return m_status;
    return m_status = Status(GdiplusFlat::GdipAddPathLineI(m_pPath, x1, y1, x2, y2));
}

Status GraphicsPath::CloseFigure()
{
    if (!m_pPath)
        return m_status;
    return m_status = Status(GdiplusFlat::GdipClosePathFigure(m_pPath));
}

} // namespace Gdiplus
