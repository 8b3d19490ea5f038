#include "res/ProgramResources.h"

#include "res/resource.h"

namespace {

// A hand pointing up with its index finger, whose tip is the hot spot.
// clang-format off
constexpr const char* kHandRows[CursorArt::kSize] = {
    ".XXXX...........................",
    "XooooX..........................",
    "XooooX..........................",
    "XooooX..........................",
    "XooooX..........................",
    "XooooX..........................",
    "XooooXXXX.......................",
    "XooooXoooXXXX...................",
    "XooooXoooXoooXXX................",
    "XooooXoooXoooXooX...............",
    "XooooXoooXoooXooX...............",
    "XooooooooooooooooX..............",
    "XooooooooooooooooX..............",
    "XooooooooooooooooX..............",
    "XooooooooooooooooX..............",
    "XooooooooooooooooX..............",
    ".XooooooooooooooX...............",
    ".XooooooooooooooX...............",
    "..XooooooooooooX................",
    "..XooooooooooooX................",
    "..XooooooooooooX................",
    "..XXXXXXXXXXXXXX................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
};
// clang-format on

constexpr CursorArt kHand{kHandRows, 0, 0};

} // namespace

const CursorArt* FindProgramCursorArt(UINT id)
{
    // The buttons' cursor and the answers' cursor are the same hand.
    if (id == IDC_HAND_BUTTON || id == IDC_HAND_ANSWER)
        return &kHand;
    return nullptr;
}
