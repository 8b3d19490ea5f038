#pragma once
// The artwork of the program icon as vector shapes in a unit square, so that it renders
// sharply at every size the desktop asks for.

#include "app/framework/WinTypes.h"

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

// The shapes of icon resource id, drawn in order; empty when there is no such icon.
std::span<const IconShape> FindIconArt(UINT id);
