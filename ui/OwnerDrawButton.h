#pragma once
// What the two kinds of owner-drawn button share: the paint pipeline around their faces
// (state from the item state, caption, background kept from the first paint and put back
// before every later one, an anti-aliased drawing surface), hover tracking that repaints
// once on entering and once on leaving, and an erase that never clears the button.
// The face itself is the kind's (PillButton, ChoiceButton).

#include "app/framework/CButton.h"
#include "app/framework/CGdiObjects.h"
#include "ui/ButtonState.h"

#include <memory>
#include <string_view>

namespace Gdiplus {
class Graphics;
} // namespace Gdiplus

class OwnerDrawButton : public CButton
{
public:
    ~OwnerDrawButton() override;

    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    LRESULT OnMouseLeave() override;

protected:
    OwnerDrawButton();

    virtual void DrawFace(Gdiplus::Graphics& graphics, ButtonState state, const CRect& client,
                          std::u16string_view caption) = 0;

    BOOL m_bHover = FALSE;
    bool m_bCaptureBackground = true;
    std::unique_ptr<CBitmap> m_pBackground;
};
