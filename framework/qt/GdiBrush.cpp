#include "framework/GdiBrush.h"

namespace {

constexpr COLORREF kFaceColor = RGB(240, 240, 240);
constexpr GdiBrush kHollow{true, 0};
constexpr GdiBrush kFace{false, kFaceColor};
constexpr GdiBrush kWhite{false, RGB(255, 255, 255)};

} // namespace

HBRUSH GetStockObject(int stockObject)
{
    switch (stockObject) {
    case NULL_BRUSH:
        return &kHollow;
    case WHITE_BRUSH:
        return &kWhite;
    default:
        return nullptr;
    }
}

HBRUSH GetDialogBrush()
{
    return &kFace;
}

COLORREF GetDialogFaceColor()
{
    return kFaceColor;
}

HBRUSH GetWindowBrush()
{
    return &kWhite;
}
