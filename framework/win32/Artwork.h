#pragma once
// The cursors and icons of the resources, made at run time from their artwork: a cursor
// from its rows of pixels, an icon drawn from its shapes (with GDI+, which must be running)
// into a 32-bit image with alpha. The icon file for Explorer is written from the same
// drawings.

#include "framework/base/WinTypes.h"

#include <string>
#include <vector>

namespace Artwork {

HCURSOR MakeCursor(UINT id);
// size in pixels; none when there is no icon of that id.
HICON MakeIcon(UINT id, int size);
// The pixels of the icon at size, top row first, as 0xAARRGGBB with straight alpha.
std::vector<std::uint32_t> IconPixels(UINT id, int size);
// An .ico file of the icon at the given sizes; empty when there is no such icon.
std::string IconFile(UINT id, const std::vector<int>& sizes);

} // namespace Artwork
