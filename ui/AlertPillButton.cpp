#include "ui/AlertPillButton.h"

#include "ui/Palette.h"

Gdiplus::ARGB AlertPillButton::GetFaceColor() const
{
    return Gdiplus::Color::FromCOLORREF(Palette::LightRed).GetValue();
}
