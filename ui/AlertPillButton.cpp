#include "ui/AlertPillButton.h"

namespace {

constexpr Gdiplus::ARGB kLightRed = 0xFFFF8E8E;

} // namespace

Gdiplus::ARGB AlertPillButton::GetFaceColor() const
{
    return kLightRed;
}
