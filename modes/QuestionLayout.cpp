#include "modes/QuestionLayout.h"

#include <algorithm>

namespace {

constexpr int kSlots = 4;

// The slots' height when the texts share height, unreadable heights raised to one line.
int SlotHeight(int height)
{
    return std::max(kMinimumSlotHeight, height / kSlots);
}

} // namespace

QuestionLayout LayOutQuestion(const QuestionArea& area)
{
    QuestionLayout layout;
    // 5 above the first slot, 5 between the slots and 5 below the last.
    layout.slot = SlotHeight(area.areaHeight - 25);
    layout.textWidth = area.clientWidth - 15;
    return layout;
}

QuestionLayout LayOutQuestion(const QuestionArea& area, int pictureWidth, int pictureHeight)
{
    QuestionLayout layout = LayOutQuestion(area);
    layout.pictureWidth = pictureWidth;
    layout.pictureHeight = pictureHeight;
    if (area.clientWidth - area.pictureLeft - 5 >= pictureWidth) {
        layout.pictureX = area.pictureLeft;
        layout.textWidth = area.questionWidth - 5;
        return layout;
    }
    layout.pictureX = 5;
    // 5 above the picture, 5 between it and the first slot, and the slots' own margins.
    const int tallest = area.areaHeight - 30 - kSlots * kMinimumSlotHeight;
    if (pictureHeight > tallest) {
        layout.pictureHeight = std::max(0, tallest);
        // Rounded to the nearest pixel; wide enough for any picture's product.
        layout.pictureWidth =
            int((static_cast<long long>(pictureWidth) * layout.pictureHeight + pictureHeight / 2) /
                pictureHeight);
    }
    layout.textTop = layout.pictureHeight + 10;
    layout.slot = SlotHeight(area.areaHeight - layout.pictureHeight - 30);
    return layout;
}
