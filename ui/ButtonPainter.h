#pragma once
// Draws the faces of the owner-drawn buttons from a state and the button's client
// rectangle: the capsule of a push button and the circle of an option button, each with
// its shadow, outline, gradient, mark and caption. It knows nothing of windows, so the
// same drawing can be made on any surface. The background beneath is the caller's.

#include "framework/Gdiplus.h"
#include "framework/base/WinTypes.h"
#include "ui/ButtonState.h"

#include <string_view>

namespace Gdiplus {
class Graphics;
} // namespace Gdiplus

class ButtonPainter
{
public:
    // A capsule with a soft shadow, a thin dark outline and a diagonal white-to-face
    // gradient (white-to-grey when disabled), its caption centred.
    static void PaintPill(Gdiplus::Graphics& graphics, ButtonState state, const CRect& client,
                          Gdiplus::ARGB faceColor, std::u16string_view caption);
    // A circle outlined green when checked, red when not (grey when disabled), filled
    // white-to-outline, with a tick or a cross; the caption to the right of it.
    static void PaintChoice(Gdiplus::Graphics& graphics, ButtonState state, const CRect& client, bool checked,
                            std::u16string_view caption);

    // Where the focus rectangle goes: inside the capsule between the centres of its round
    // ends, and around the caption of an option button (the whole caption area when it
    // cannot be measured), as Windows' radio buttons put it around their text.
    static CRect PillFocusRect(const CRect& client);
    static CRect ChoiceFocusRect(Gdiplus::Graphics& graphics, const CRect& client,
                                 std::u16string_view caption);
};
