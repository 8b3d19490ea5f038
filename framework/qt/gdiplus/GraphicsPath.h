#pragma once
// A path of figures made of integer arcs and lines. Angles are in degrees, measured
// clockwise from the positive x axis (the y axis points down). Within a figure each new
// segment is joined to the end of the previous one by a straight line; closing a figure
// adds the line back to its start, and the next segment begins a new figure.

#include "framework/base/gdiplus/GdiplusTypes.h"

#include <memory>

class QPainterPath;

namespace Gdiplus {

class GraphicsPath
{
public:
    GraphicsPath();
    ~GraphicsPath();
    GraphicsPath(const GraphicsPath&) = delete;
    GraphicsPath& operator=(const GraphicsPath&) = delete;

    // The arc of the ellipse inscribed in the box, from startAngle sweeping sweepAngle.
    Status AddArc(INT x, INT y, INT width, INT height, REAL startAngle, REAL sweepAngle);
    Status AddLine(INT x1, INT y1, INT x2, INT y2);
    Status CloseFigure();
    Status GetLastStatus() const { return Ok; }

    const QPainterPath& QtPath() const { return *m_pPath; }

private:
    std::unique_ptr<QPainterPath> m_pPath;
    bool m_bFigureOpen = false;
};

} // namespace Gdiplus
