#pragma once
// The artwork of the cursor resources: monochrome 32 x 32 images as rows of characters,
// 'X' black, 'o' white and '.' transparent, with their hot spots.

#include "framework/base/WinTypes.h"

struct CursorArt
{
    static constexpr int kSize = 32;
    const char* const* rows;
    int hotX;
    int hotY;
};
