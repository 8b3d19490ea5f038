#pragma once
// The artwork of the program icon as vector shapes in a unit square, so that it renders
// sharply at every size the desktop asks for.

#include "framework/base/WinTypes.h"

#include <span>

struct IconPoint
{
    float x;
    float y;
};

struct IconShape
{
    enum class Kind
    {
        Ellipse, // inscribed in the bounding box of the first two points
        Polygon,
    };
    Kind kind;
    COLORREF fill;
    std::span<const IconPoint> points;
};
