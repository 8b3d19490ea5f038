#pragma once
// The one visual state an owner-drawn button is painted in.

#include "framework/base/WinTypes.h"

enum class ButtonState
{
    Normal,
    Hover,
    Pressed,
    Disabled
};

// From the owner-draw item state and the hover flag: pressed wins over disabled, and
// both win over hovering.
ButtonState ButtonStateFromItem(UINT itemState, BOOL hover);
