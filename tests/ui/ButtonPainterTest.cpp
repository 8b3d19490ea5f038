// The button faces drawn into images over a dialog gradient, one state at a time.

#include "ui/ButtonPainter.h"
#include "framework/Gdiplus.h"
#include "ui/ButtonState.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

using Gdiplus::ARGB;

namespace {

constexpr ARGB kLightBlue = 0xFF8ED4FF;
constexpr ARGB kLightRed = 0xFFFF8E8E;
constexpr int kWidth = 120;
constexpr int kHeight = 25;
// For a 25-pixel-high button the shape is 23 high: circles of diameter 22.
constexpr int kMiddleRow = 11;

// A slice of the light-blue dialog gradient, as a button finds it beneath itself, with paint
// drawn over it anti-aliased; without paint, the background alone.
QImage Render(const std::function<void(Gdiplus::Graphics&, const CRect&)>& paint = {})
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    {
        Gdiplus::Graphics graphics(&painter);
        Gdiplus::LinearGradientBrush brush(Gdiplus::Rect(0, 0, kWidth, kHeight), Gdiplus::Color(kLightBlue),
                                           Gdiplus::Color(0xFFFFFFFF), Gdiplus::LinearGradientModeVertical);
        graphics.FillRectangle(&brush, 0, 0, kWidth, kHeight);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        if (paint)
            paint(graphics, CRect(0, 0, kWidth, kHeight));
    }
    painter.end();
    return image;
}

QImage Pill(ButtonState state, ARGB face = kLightBlue, std::u16string_view caption = u"")
{
    return Render([&](Gdiplus::Graphics& g, const CRect& client) {
        ButtonPainter::PaintPill(g, state, client, face, caption);
    });
}

QImage Choice(ButtonState state, bool checked, std::u16string_view caption = u"")
{
    return Render([&](Gdiplus::Graphics& g, const CRect& client) {
        ButtonPainter::PaintChoice(g, state, client, checked, caption);
    });
}

int Brightness(QRgb pixel)
{
    return qRed(pixel) + qGreen(pixel) + qBlue(pixel);
}

// The first pixel from the left of row y (x < 0), or from the top of column x (y < 0), that
// the drawing changed.
int FirstDrawn(const QImage& image, int x, int y)
{
    const QImage background = Render();
    for (int i = 0; i < (x < 0 ? image.width() : image.height()); ++i) {
        const QPoint p = x < 0 ? QPoint(i, y) : QPoint(x, i);
        const QRgb a = image.pixel(p);
        const QRgb b = background.pixel(p);
        if (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) >
            30)
            return i;
    }
    return -1;
}

// The darkest channel value in the area, where the caption goes.
int DarkestIn(const QImage& image, const QRect& area)
{
    int darkest = 255;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            darkest = std::min({darkest, qRed(p), qGreen(p), qBlue(p)});
        }
    }
    return darkest;
}

bool IsGrey(QRgb pixel)
{
    return std::abs(qRed(pixel) - qGreen(pixel)) <= 3 && std::abs(qGreen(pixel) - qBlue(pixel)) <= 3;
}

// Inside the shape, away from captions and marks: the lower right of the capsule, and the
// lower middle of the circle.
const QPoint kPillLowerRight(kWidth - 16, 18);
const QPoint kChoiceFill(11, 19);
// Middle of the tick's first stroke, and the crossing point of the cross.
const QPoint kTick(4, 12);
const QPoint kCross(11, 11);

} // namespace

TEST(ButtonPainter, CornersShowTheBackgroundInEveryState)
{
    const QImage background = Render();
    for (const ButtonState state :
         {ButtonState::Normal, ButtonState::Hover, ButtonState::Pressed, ButtonState::Disabled}) {
        for (const QImage& image : {Pill(state, kLightBlue, u"OK"), Choice(state, true, u"Ano")}) {
            for (const QPoint corner : {QPoint(0, 0), QPoint(kWidth - 1, 0), QPoint(0, kHeight - 1),
                                        QPoint(kWidth - 1, kHeight - 1)})
                EXPECT_EQ(image.pixel(corner), background.pixel(corner)) << int(state);
        }
    }
}

TEST(ButtonPainter, FacesShowTheirColours)
{
    // The pill fades from white to its face colour towards the lower right.
    const QImage pill = Pill(ButtonState::Normal);
    const QRgb lowerRight = pill.pixel(kPillLowerRight);
    EXPECT_GT(Brightness(pill.pixel(14, 4)), Brightness(lowerRight) + 40);
    EXPECT_GT(qBlue(lowerRight), qRed(lowerRight) + 30);
    EXPECT_GT(qGreen(lowerRight), qRed(lowerRight) + 15);
    // Hovered it is paler.
    EXPECT_GT(Brightness(Pill(ButtonState::Hover).pixel(kPillLowerRight)), Brightness(lowerRight) + 20);
    const QRgb alert = Pill(ButtonState::Normal, kLightRed).pixel(kPillLowerRight);
    EXPECT_GT(qRed(alert), qGreen(alert) + 30);
    EXPECT_NEAR(qGreen(alert), qBlue(alert), 3);
    // A checked choice is green, an unchecked one red.
    const QRgb checked = Choice(ButtonState::Normal, true).pixel(kChoiceFill);
    EXPECT_GT(qGreen(checked), qRed(checked) + 40);
    EXPECT_GT(qGreen(checked), qBlue(checked) + 40);
    const QRgb unchecked = Choice(ButtonState::Normal, false).pixel(kChoiceFill);
    EXPECT_GT(qRed(unchecked), qGreen(unchecked) + 40);
    EXPECT_GT(qRed(unchecked), qBlue(unchecked) + 20);
}

// Normal, a face has a shadow under its bottom edge and right end; pressed, it moves one
// pixel right and down and has none.
TEST(ButtonPainter, PressedFaceIsShiftedOnePixelRightAndDownWithoutShadow)
{
    const QImage background = Render();
    const struct
    {
        const char* face;
        QImage normal;
        QImage pressed;
        int column; // through the middle of the shape
        int right;  // the column right of the shape's shadow
    } faces[] = {
        {"pill", Pill(ButtonState::Normal), Pill(ButtonState::Pressed), kWidth / 2, kWidth - 1},
        {"choice", Choice(ButtonState::Normal, true), Choice(ButtonState::Pressed, true), 11, kHeight - 1},
    };
    for (const auto& f : faces) {
        SCOPED_TRACE(f.face);
        EXPECT_EQ(FirstDrawn(f.normal, -1, kMiddleRow), 0);
        EXPECT_EQ(FirstDrawn(f.pressed, -1, kMiddleRow + 1), 1);
        EXPECT_EQ(FirstDrawn(f.normal, f.column, -1), 0);
        EXPECT_EQ(FirstDrawn(f.pressed, f.column + 1, -1), 1);
        const QPoint below(f.column + 1, kHeight - 1);
        EXPECT_LT(Brightness(f.normal.pixel(below)), Brightness(background.pixel(below)) - 30);
        for (int x = 0; x <= f.right; ++x)
            EXPECT_EQ(f.pressed.pixel(x, kHeight - 1), background.pixel(x, kHeight - 1)) << x;
        for (int y = 0; y < kHeight; ++y)
            EXPECT_EQ(f.pressed.pixel(f.right, y), background.pixel(f.right, y)) << y;
    }
    const QPoint end(kWidth - 1, kMiddleRow);
    EXPECT_LT(Brightness(Pill(ButtonState::Normal).pixel(end)), Brightness(background.pixel(end)) - 30);
}

TEST(ButtonPainter, DisabledFaceIsGreyWithAGreyCaption)
{
    const QImage pill = Pill(ButtonState::Disabled, kLightBlue, u"HHHH");
    const QImage checked = Choice(ButtonState::Disabled, true, u"HHHH");
    const QImage unchecked = Choice(ButtonState::Disabled, false);
    const QRect pillCaption(kWidth / 2 - 20, 4, 40, 15);
    const QRect choiceCaption(32, 4, 40, 15);
    for (const QRgb fill :
         {pill.pixel(kPillLowerRight), checked.pixel(kChoiceFill), unchecked.pixel(kChoiceFill)}) {
        EXPECT_TRUE(IsGrey(fill));
        EXPECT_LT(qRed(fill), 245);
    }
    for (const int darkest : {DarkestIn(pill, pillCaption), DarkestIn(checked, choiceCaption)}) {
        EXPECT_GE(darkest, 0x80 - 8);
        EXPECT_LT(darkest, 200);
    }
    EXPECT_LT(DarkestIn(Pill(ButtonState::Normal, kLightBlue, u"HHHH"), pillCaption), 80);
    // The choice keeps its mark.
    EXPECT_LT(Brightness(checked.pixel(kTick)), 300);
    EXPECT_LT(Brightness(unchecked.pixel(kCross)), 300);
}

// A checked choice shows a tick, an unchecked one a cross; the caption stands right of the
// circle, with nothing drawn between the circle's shadow and the caption's start.
TEST(ButtonPainter, ChoiceShowsATickWhenCheckedAndACrossWhenNotAndItsCaptionRightOfTheCircle)
{
    const QImage checked = Choice(ButtonState::Normal, true, u"HHHH");
    const QImage unchecked = Choice(ButtonState::Normal, false);
    EXPECT_LT(Brightness(checked.pixel(kTick)), 300);
    EXPECT_GT(Brightness(checked.pixel(kCross)), 400);
    EXPECT_LT(Brightness(unchecked.pixel(kCross)), 300);
    EXPECT_GT(Brightness(unchecked.pixel(kTick)), 400);
    EXPECT_LT(DarkestIn(checked, QRect(28, 4, 40, 15)), 80);
    EXPECT_EQ(checked.pixel(26, kMiddleRow), Render().pixel(26, kMiddleRow));
}
