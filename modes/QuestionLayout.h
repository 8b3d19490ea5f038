#pragma once
// Where the question window puts a question's picture and its four texts (the question and
// the three answers), from the window's measures in pixels. The texts stand one below the
// other in equal slots, each text 10 pixels lower than its slot and 5 pixels between slots.
// A picture that fits the column beside the texts stands there at its own size and the texts
// narrow to the question's width; a wider one stands above the texts, which share the height
// left below it. No text lies over a picture above them: one that would leave the slots lower
// than a line of text is scaled down, keeping its aspect ratio, until they have that height.
// Only a window too low for the slots alone gets slots taller than its area allows.

struct QuestionArea
{
    int clientWidth = 0;
    // The height the texts share: the client area above the buttons.
    int areaHeight = 0;
    // The left edge of the picture column.
    int pictureLeft = 0;
    // The width of the question text as the template lays it out.
    int questionWidth = 0;
};

struct QuestionLayout
{
    // The picture's left edge and its size as drawn (its top is at 5).
    int pictureX = 0;
    int pictureWidth = 0;
    int pictureHeight = 0;
    // The first slot's top, the slots' height and the texts' width; the texts stand at x = 10.
    int textTop = 5;
    int slot = 0;
    int textWidth = 0;
};

// The lowest slot whose text still shows a line in the window's 20-pixel font.
constexpr int kMinimumSlotHeight = 45;

// A question without a picture.
QuestionLayout LayOutQuestion(const QuestionArea& area);
// A question with a picture of width x height pixels (0 x 0 for one that cannot be read).
QuestionLayout LayOutQuestion(const QuestionArea& area, int pictureWidth, int pictureHeight);
