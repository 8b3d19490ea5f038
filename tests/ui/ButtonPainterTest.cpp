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

// A slice of the light-blue dialog gradient, as a button finds it beneath itself.
QImage DialogBackground()
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    {
        Gdiplus::Graphics graphics(&painter);
        Gdiplus::LinearGradientBrush brush(Gdiplus::Rect(0, 0, kWidth, kHeight), Gdiplus::Color(kLightBlue),
                                           Gdiplus::Color(0xFFFFFFFF), Gdiplus::LinearGradientModeVertical);
        graphics.FillRectangle(&brush, 0, 0, kWidth, kHeight);
    }
    return image;
}

QImage Render(const std::function<void(Gdiplus::Graphics&, const CRect&)>& paint)
{
    QImage image = DialogBackground();
    QPainter painter(&image);
    {
        Gdiplus::Graphics graphics(&painter);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
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

int Difference(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// The first pixel from the left of row y (x < 0), or from the top of column x (y < 0), that
// the drawing changed.
int FirstDrawn(const QImage& image, int x, int y)
{
    const QImage background = DialogBackground();
    for (int i = 0; i < (x < 0 ? image.width() : image.height()); ++i) {
        const QPoint p = x < 0 ? QPoint(i, y) : QPoint(x, i);
        if (Difference(image.pixel(p), background.pixel(p)) > 30)
            return i;
    }
    return -1;
}

int Brightness(QRgb pixel)
{
    return qRed(pixel) + qGreen(pixel) + qBlue(pixel);
}

// The darkest channel value in the middle of the button, where the caption goes.
int DarkestInCaptionArea(const QImage& image, const QRect& area)
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

} // namespace

TEST(ButtonState, PressedWinsOverDisabledAndBothWinOverHovering)
{
    EXPECT_EQ(ButtonStateFromItem(0, FALSE), ButtonState::Normal);
    EXPECT_EQ(ButtonStateFromItem(0, TRUE), ButtonState::Hover);
    EXPECT_EQ(ButtonStateFromItem(ODS_DISABLED, TRUE), ButtonState::Disabled);
    EXPECT_EQ(ButtonStateFromItem(ODS_SELECTED, TRUE), ButtonState::Pressed);
    EXPECT_EQ(ButtonStateFromItem(ODS_SELECTED | ODS_DISABLED, FALSE), ButtonState::Pressed);
}

TEST(ButtonPainter, CornersShowTheBackgroundInEveryState)
{
    const QImage background = DialogBackground();
    for (const ButtonState state :
         {ButtonState::Normal, ButtonState::Hover, ButtonState::Pressed, ButtonState::Disabled}) {
        for (const QImage& image : {Pill(state, kLightBlue, u"OK"), Choice(state, true, u"Ano")}) {
            for (const QPoint corner : {QPoint(0, 0), QPoint(kWidth - 1, 0), QPoint(0, kHeight - 1),
                                        QPoint(kWidth - 1, kHeight - 1)})
                EXPECT_EQ(image.pixel(corner), background.pixel(corner)) << int(state);
        }
    }
}

TEST(ButtonPainter, PillFadesFromWhiteToItsFaceColourTowardsTheLowerRight)
{
    const QImage image = Pill(ButtonState::Normal);
    const QRgb upperLeft = image.pixel(14, 4);
    const QRgb lowerRight = image.pixel(kPillLowerRight);
    EXPECT_GT(Brightness(upperLeft), Brightness(lowerRight) + 40);
    EXPECT_GT(qBlue(lowerRight), qRed(lowerRight) + 30);
    EXPECT_GT(qGreen(lowerRight), qRed(lowerRight) + 15);
}

TEST(ButtonPainter, AlertPillIsLightRed)
{
    const QRgb lowerRight = Pill(ButtonState::Normal, kLightRed).pixel(kPillLowerRight);
    EXPECT_GT(qRed(lowerRight), qGreen(lowerRight) + 30);
    EXPECT_NEAR(qGreen(lowerRight), qBlue(lowerRight), 3);
}

TEST(ButtonPainter, HoveredPillIsPalerThanNormal)
{
    EXPECT_GT(Brightness(Pill(ButtonState::Hover).pixel(kPillLowerRight)),
              Brightness(Pill(ButtonState::Normal).pixel(kPillLowerRight)) + 20);
}

TEST(ButtonPainter, PillHasAShadowUnderItsBottomEdgeAndRightEnd)
{
    const QImage background = DialogBackground();
    const QImage image = Pill(ButtonState::Normal);
    EXPECT_LT(Brightness(image.pixel(kWidth / 2, kHeight - 1)),
              Brightness(background.pixel(kWidth / 2, kHeight - 1)) - 30);
    EXPECT_LT(Brightness(image.pixel(kWidth - 1, kMiddleRow)),
              Brightness(background.pixel(kWidth - 1, kMiddleRow)) - 30);
}

TEST(ButtonPainter, PressedPillIsShiftedOnePixelRightAndDownWithoutShadow)
{
    const QImage normal = Pill(ButtonState::Normal);
    const QImage pressed = Pill(ButtonState::Pressed);
    EXPECT_EQ(FirstDrawn(normal, -1, kMiddleRow), 0);
    EXPECT_EQ(FirstDrawn(pressed, -1, kMiddleRow + 1), 1);
    EXPECT_EQ(FirstDrawn(normal, kWidth / 2, -1), 0);
    EXPECT_EQ(FirstDrawn(pressed, kWidth / 2 + 1, -1), 1);

    const QImage background = DialogBackground();
    for (int x = 0; x < kWidth; ++x)
        EXPECT_EQ(pressed.pixel(x, kHeight - 1), background.pixel(x, kHeight - 1)) << x;
    for (int y = 0; y < kHeight; ++y)
        EXPECT_EQ(pressed.pixel(kWidth - 1, y), background.pixel(kWidth - 1, y)) << y;
}

TEST(ButtonPainter, DisabledPillIsWhiteToGreyWithAGreyCaption)
{
    const QImage disabled = Pill(ButtonState::Disabled, kLightBlue, u"HHHH");
    const QRgb lowerRight = disabled.pixel(kPillLowerRight);
    EXPECT_TRUE(IsGrey(lowerRight));
    EXPECT_LT(qRed(lowerRight), 245);
    const QRect captionArea(kWidth / 2 - 20, 4, 40, 15);
    const int darkest = DarkestInCaptionArea(disabled, captionArea);
    EXPECT_GE(darkest, 0x80 - 8);
    EXPECT_LT(darkest, 200);

    EXPECT_LT(DarkestInCaptionArea(Pill(ButtonState::Normal, kLightBlue, u"HHHH"), captionArea), 80);
}

TEST(ButtonPainter, CheckedChoiceIsGreenAndUncheckedRed)
{
    const QRgb checked = Choice(ButtonState::Normal, true).pixel(kChoiceFill);
    EXPECT_GT(qGreen(checked), qRed(checked) + 40);
    EXPECT_GT(qGreen(checked), qBlue(checked) + 40);
    const QRgb unchecked = Choice(ButtonState::Normal, false).pixel(kChoiceFill);
    EXPECT_GT(qRed(unchecked), qGreen(unchecked) + 40);
    EXPECT_GT(qRed(unchecked), qBlue(unchecked) + 20);
}

TEST(ButtonPainter, ChoiceShowsATickWhenCheckedAndACrossWhenNot)
{
    // Middle of the tick's first stroke, and the crossing point of the cross.
    const QPoint tick(4, 12);
    const QPoint cross(11, 11);
    const QImage checked = Choice(ButtonState::Normal, true);
    const QImage unchecked = Choice(ButtonState::Normal, false);
    EXPECT_LT(Brightness(checked.pixel(tick)), 300);
    EXPECT_GT(Brightness(checked.pixel(cross)), 400);
    EXPECT_LT(Brightness(unchecked.pixel(cross)), 300);
    EXPECT_GT(Brightness(unchecked.pixel(tick)), 400);
}

TEST(ButtonPainter, DisabledChoiceIsGreyButKeepsItsMark)
{
    const QImage checked = Choice(ButtonState::Disabled, true, u"HHHH");
    const QImage unchecked = Choice(ButtonState::Disabled, false);
    EXPECT_TRUE(IsGrey(checked.pixel(kChoiceFill)));
    EXPECT_TRUE(IsGrey(unchecked.pixel(kChoiceFill)));
    EXPECT_LT(qRed(checked.pixel(kChoiceFill)), 245);
    EXPECT_LT(Brightness(checked.pixel(4, 12)), 300);
    EXPECT_LT(Brightness(unchecked.pixel(11, 11)), 300);
    const int darkest = DarkestInCaptionArea(checked, QRect(32, 4, 40, 15));
    EXPECT_GE(darkest, 0x80 - 8);
    EXPECT_LT(darkest, 200);
}

TEST(ButtonPainter, PressedChoiceIsShiftedOnePixelRightAndDownWithoutShadow)
{
    const QImage normal = Choice(ButtonState::Normal, true);
    const QImage pressed = Choice(ButtonState::Pressed, true);
    EXPECT_EQ(FirstDrawn(normal, -1, kMiddleRow), 0);
    EXPECT_EQ(FirstDrawn(pressed, -1, kMiddleRow + 1), 1);
    EXPECT_EQ(FirstDrawn(normal, 11, -1), 0);
    EXPECT_EQ(FirstDrawn(pressed, 12, -1), 1);
    const QImage background = DialogBackground();
    EXPECT_LT(Brightness(normal.pixel(12, kHeight - 1)), Brightness(background.pixel(12, kHeight - 1)) - 30);
    EXPECT_EQ(pressed.pixel(12, kHeight - 1), background.pixel(12, kHeight - 1));
    EXPECT_EQ(pressed.pixel(kHeight - 1, 12), background.pixel(kHeight - 1, 12));
}

TEST(ButtonPainter, ChoiceCaptionStandsRightOfTheCircle)
{
    const QImage image = Choice(ButtonState::Normal, true, u"HHHH");
    EXPECT_LT(DarkestInCaptionArea(image, QRect(28, 4, 40, 15)), 80);
    // Nothing drawn between the circle's shadow and the caption's start.
    const QImage background = DialogBackground();
    EXPECT_EQ(image.pixel(26, kMiddleRow), background.pixel(26, kMiddleRow));
}
