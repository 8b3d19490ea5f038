#include "ui/ButtonPainter.h"

#include "framework/Gdiplus.h"

#include <algorithm>
#include <cmath>
#include <memory>

using namespace Gdiplus;

namespace {

constexpr ARGB kShadow = 0x80000000;
constexpr ARGB kPillOutline = 0xC8315173;
constexpr ARGB kChoiceDisabled = 0xC8808080;
constexpr ARGB kChoiceChecked = 0xC800FF00;
constexpr ARGB kChoiceUnchecked = 0xC8FF0000;
constexpr ARGB kGradientStart = 0xFFFFFFFF;
constexpr ARGB kPillDisabledEnd = 0xFF808080;
constexpr ARGB kMark = 0xFF000000;
constexpr ARGB kCaption = 0xFF000000;
constexpr ARGB kCaptionDisabled = 0xFF808080;
constexpr REAL kCaptionPoints = 8;

// The rectangle the shape is drawn in: the client area less two pixels on the right and at
// the bottom for the shadow, moved one pixel right and down while pressed. h is its height
// and d the diameter of the round ends.
struct Frame
{
    int left;
    int top;
    int right;
    int bottom;
    int h;
    int d;
};

Frame FrameOf(const CRect& client, ButtonState state)
{
    Frame frame{client.left, client.top, client.right - 2, client.bottom - 2, 0, 0};
    if (state == ButtonState::Pressed) {
        ++frame.left;
        ++frame.top;
        ++frame.right;
        ++frame.bottom;
    }
    frame.h = frame.bottom - frame.top;
    frame.d = frame.h - 1;
    return frame;
}

std::unique_ptr<Font> CaptionFont()
{
    const FontFamily arial(u"Arial");
    const FontFamily* family = arial.IsAvailable() ? &arial : FontFamily::GenericSansSerif();
    auto font = std::make_unique<Font>(family, kCaptionPoints, FontStyleRegular, UnitPoint);
    if (!font->IsAvailable())
        font = std::make_unique<Font>(FontFamily::GenericSansSerif(), kCaptionPoints, FontStyleRegular,
                                      UnitPoint);
    return font;
}

// An option button's caption area beside its circle.
RectF ChoiceCaptionLayout(const Frame& f)
{
    return RectF(REAL(f.left + f.h + 5), REAL(f.top), REAL(f.right - f.left - f.h - 1), REAL(f.h - 1));
}

void DrawCaption(Graphics& graphics, std::u16string_view caption, const RectF& layout,
                 StringAlignment alignment, bool disabled)
{
    if (caption.empty())
        return;
    const std::unique_ptr<Font> font = CaptionFont();
    StringFormat format;
    format.SetAlignment(alignment);
    format.SetLineAlignment(StringAlignmentCenter);
    const SolidBrush brush(Color(disabled ? kCaptionDisabled : kCaption));
    graphics.DrawString(caption.data(), INT(caption.size()), font.get(), layout, &format, &brush);
}

} // namespace

void ButtonPainter::PaintPill(Graphics& graphics, ButtonState state, const CRect& client, ARGB faceColor,
                              std::u16string_view caption)
{
    const Frame f = FrameOf(client, state);
    const int width = f.right - f.left;

    if (state != ButtonState::Pressed) {
        // The right half circle and the bottom edge, shifted one pixel, as an open figure.
        GraphicsPath shadow;
        shadow.AddArc(f.right - f.h + 1, f.top + 1, f.d, f.d, 270, 180);
        shadow.AddLine(f.right - f.h / 2 + 1, f.bottom, f.left + f.h / 3 + 1, f.bottom);
        const Pen pen(Color(kShadow), 2);
        graphics.DrawPath(&pen, &shadow);
    }

    // Two half circles; the path joins them by the top edge and closing adds the bottom.
    GraphicsPath capsule;
    capsule.AddArc(f.left, f.top, f.d, f.d, 90, 180);
    capsule.AddArc(f.right - f.h, f.top, f.d, f.d, 270, 180);
    capsule.CloseFigure();
    const Pen outline(Color(kPillOutline), 1);
    graphics.DrawPath(&outline, &capsule);

    // The gradient rectangle reaches beyond the capsule, which shows only its pale part;
    // hovering, pressing and disabling stretch it further, so the face turns paler.
    const bool normal = state == ButtonState::Normal;
    const Rect gradient(f.left, f.top, normal ? width : 2 * width, normal ? 2 * f.h : 3 * f.h);
    const ARGB end = state == ButtonState::Disabled ? kPillDisabledEnd : faceColor;
    LinearGradientBrush fill(gradient, Color(kGradientStart), Color(end), LinearGradientModeForwardDiagonal);
    fill.SetWrapMode(WrapModeTile);
    graphics.FillPath(&fill, &capsule);

    DrawCaption(graphics, caption, RectF(REAL(f.left), REAL(f.top), REAL(width - 1), REAL(f.h - 1)),
                StringAlignmentCenter, state == ButtonState::Disabled);
}

void ButtonPainter::PaintChoice(Graphics& graphics, ButtonState state, const CRect& client, bool checked,
                                std::u16string_view caption)
{
    const Frame f = FrameOf(client, state);

    if (state != ButtonState::Pressed) {
        GraphicsPath shadow;
        shadow.AddArc(f.left + 1, f.top + 1, f.d, f.d, 0, 360);
        const Pen pen(Color(kShadow), 2);
        graphics.DrawPath(&pen, &shadow);
    }

    const ARGB color = state == ButtonState::Disabled ? kChoiceDisabled
                       : checked                      ? kChoiceChecked
                                                      : kChoiceUnchecked;
    GraphicsPath circle;
    circle.AddArc(f.left, f.top, f.d, f.d, 0, 360);
    const Pen outline(Color(color), 1);
    graphics.DrawPath(&outline, &circle);

    const bool normal = state == ButtonState::Normal;
    const Rect gradient(f.left, f.top, normal ? f.h : 2 * f.h, normal ? 2 * f.h : 3 * f.h);
    LinearGradientBrush fill(gradient, Color(kGradientStart), Color(color),
                             LinearGradientModeForwardDiagonal);
    fill.SetWrapMode(WrapModeTile);
    graphics.FillPath(&fill, &circle);

    const Pen mark(Color(kMark), 1);
    if (checked) {
        graphics.DrawLine(&mark, f.left + 3, f.top + 6, f.left + 5, f.bottom - 5);
        graphics.DrawLine(&mark, f.left + f.h - 4, f.top + 5, f.left + 6, f.bottom - 6);
    } else {
        graphics.DrawLine(&mark, f.left + 4, f.top + 4, f.left + f.h - 5, f.bottom - 5);
        graphics.DrawLine(&mark, f.left + f.h - 5, f.top + 4, f.left + 4, f.bottom - 5);
    }

    DrawCaption(graphics, caption, ChoiceCaptionLayout(f), StringAlignmentNear,
                state == ButtonState::Disabled);
}

CRect ButtonPainter::PillFocusRect(const CRect& client)
{
    const Frame f = FrameOf(client, ButtonState::Normal);
    return CRect(f.left + f.h / 2, f.top + 3, f.right - f.h / 2, f.bottom - 2);
}

CRect ButtonPainter::ChoiceFocusRect(Graphics& graphics, const CRect& client, std::u16string_view caption)
{
    const Frame f = FrameOf(client, ButtonState::Normal);
    const RectF layout = ChoiceCaptionLayout(f);
    RectF text = layout;
    if (!caption.empty()) {
        const std::unique_ptr<Font> font = CaptionFont();
        StringFormat format;
        format.SetAlignment(StringAlignmentNear);
        format.SetLineAlignment(StringAlignmentCenter);
        if (graphics.MeasureString(caption.data(), INT(caption.size()), font.get(), layout, &format, &text) !=
            Ok)
            text = layout;
    }
    // One pixel of air around the text, inside the button.
    const int left = int(std::floor(text.X)) - 1;
    const int top = int(std::floor(text.Y)) - 1;
    const int right = int(std::ceil(text.X + text.Width)) + 1;
    const int bottom = int(std::ceil(text.Y + text.Height)) + 1;
    return CRect(std::max(left, client.left), std::max(top, client.top), std::min(right, client.right),
                 std::min(bottom, client.bottom));
}
