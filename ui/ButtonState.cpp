#include "ui/ButtonState.h"

ButtonState ButtonStateFromItem(UINT itemState, BOOL hover)
{
    if (itemState & ODS_SELECTED)
        return ButtonState::Pressed;
    if (itemState & ODS_DISABLED)
        return ButtonState::Disabled;
    return hover ? ButtonState::Hover : ButtonState::Normal;
}
