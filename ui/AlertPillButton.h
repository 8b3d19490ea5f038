#pragma once
// The push button of a warning: a PillButton in light red.

#include "ui/PillButton.h"

class AlertPillButton : public PillButton
{
public:
    Gdiplus::ARGB GetFaceColor() const override;
};
