// Where the question window's layout puts a picture and the texts: beside or above them at its
// own size, as ever; a picture above that would leave a text less than a line scaled down,
// keeping its aspect ratio, so that no text lies over it.

#include "modes/QuestionLayout.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// The question window's measures on its template with Tahoma's base units. A picture above it
// may be 542 - 30 - 4 * 45 = 332 pixels high before its slots drop below a line.
constexpr QuestionArea kWindow{744, 542, 497, 482};
constexpr QuestionArea kLowWindow{744, 150, 497, 482};

TEST(QuestionLayout, PlacesPictureAndTexts)
{
    const struct
    {
        const char* what;
        QuestionArea area;
        int width; // of the picture; -1: the question has none
        int height;
        QuestionLayout expected;
    } cases[] = {
        {"no picture", kWindow, -1, 0, {0, 0, 0, 5, 129, 729}},
        {"beside", kWindow, 200, 900, {497, 200, 900, 5, 129, 477}},
        {"cannot be read", kWindow, 0, 0, {497, 0, 0, 5, 129, 477}},
        {"above", kWindow, 400, 120, {5, 400, 120, 130, 98, 729}},
        {"above, as tall as it may be", kWindow, 400, 332, {5, 400, 332, 342, 45, 729}},
        {"above, a pixel too tall", kWindow, 400, 333, {5, 399, 332, 342, 45, 729}},
        {"above, taller than the window", kWindow, 400, 900, {5, 148, 332, 342, 45, 729}},
        {"above, far taller", kWindow, 1000, 5000, {5, 66, 332, 342, 45, 729}},
        {"too low a window, no picture", kLowWindow, -1, 0, {0, 0, 0, 5, 45, 729}},
        {"too low a window for any picture", kLowWindow, 400, 100, {5, 0, 0, 10, 45, 729}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QuestionLayout layout =
            c.width < 0 ? LayOutQuestion(c.area) : LayOutQuestion(c.area, c.width, c.height);
        const auto fields = [](const QuestionLayout& l) {
            return std::tuple(l.pictureX, l.pictureWidth, l.pictureHeight, l.textTop, l.slot, l.textWidth);
        };
        EXPECT_EQ(fields(layout), fields(c.expected));
    }
}

} // namespace
