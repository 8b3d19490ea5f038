#pragma once
// The colours of Navik's windows in one place: the gradients, the pill buttons that match
// them, and the result counts. A light blue dialog has light blue buttons, a light red popup
// light red ones, so each pair is one value.

#include "framework/base/WinTypes.h"

namespace Palette {

constexpr COLORREF LightBlue = RGB(142, 212, 255);
constexpr COLORREF LightRed = RGB(255, 142, 142);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF RightCount = RGB(0, 128, 0);
constexpr COLORREF WrongCount = RGB(255, 0, 0);

} // namespace Palette
