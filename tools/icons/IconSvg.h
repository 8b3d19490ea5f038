#pragma once
// The program icon's vector artwork as an SVG document, for the desktop's scalable icon.

#include "framework/base/IconArt.h"

#include <span>
#include <string>

// The shapes, drawn in order, on a canvas of size x size pixels.
std::string IconSvg(std::span<const IconShape> shapes, int size);
