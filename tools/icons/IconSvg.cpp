#include "IconSvg.h"

#include <cstdio>

namespace {

std::string Number(float unit, int size)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", double(unit) * size);
    return text;
}

std::string Colour(COLORREF colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    return text;
}

} // namespace

std::string IconSvg(std::span<const IconShape> shapes, int size)
{
    const std::string extent = std::to_string(size);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      extent + "\" height=\"" + extent + "\" viewBox=\"0 0 " + extent + " " + extent +
                      "\">\n";
    for (const IconShape& shape : shapes) {
        const std::string fill = " fill=\"" + Colour(shape.fill) + "\"/>\n";
        if (shape.kind == IconShape::Kind::Ellipse && shape.points.size() >= 2) {
            // Inscribed in the box of the two points, as the window's icon draws it.
            const IconPoint& a = shape.points[0];
            const IconPoint& b = shape.points[1];
            svg += "  <ellipse cx=\"" + Number((a.x + b.x) / 2, size) + "\" cy=\"" +
                   Number((a.y + b.y) / 2, size) + "\" rx=\"" + Number((b.x - a.x) / 2, size) + "\" ry=\"" +
                   Number((b.y - a.y) / 2, size) + "\"" + fill;
        } else if (shape.kind == IconShape::Kind::Polygon) {
            svg += "  <polygon points=\"";
            for (std::size_t i = 0; i < shape.points.size(); ++i) {
                if (i > 0)
                    svg += ' ';
                svg += Number(shape.points[i].x, size);
                svg += ',';
                svg += Number(shape.points[i].y, size);
            }
            svg += "\" fill-rule=\"evenodd\"";
            svg += fill;
        }
    }
    return svg + "</svg>\n";
}
