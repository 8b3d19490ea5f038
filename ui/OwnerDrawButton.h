#pragma once
// What the two kinds of owner-drawn button share: the paint pipeline around their faces
// (state from the item state, caption, background kept from the first paint and put back
// before every later one, an anti-aliased drawing surface), hover tracking that repaints
// once on entering and once on leaving, and an erase that never clears the button.
// The face itself is the kind's (PillButton, ChoiceButton), and so is where the dotted focus
// rectangle goes, drawn over the face while the button has the keyboard focus and its dialog
// shows it, as Windows' owner-drawn buttons draw it for ODS_FOCUS. Finished faces are kept and
// copied back when the same face is asked for again: anti-aliased outlines and captions cost
// far more than a copy, and a window repaints its buttons unchanged most of the time.

#include "framework/CButton.h"
#include "framework/CGdiObjects.h"
#include "ui/ButtonState.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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
    // Whatever else the kind's face depends on (checked or not, its colour): faces drawn
    // with another variant are not reused.
    virtual std::uint32_t GetFaceVariant() const = 0;
    virtual CRect GetFocusRect(Gdiplus::Graphics& graphics, const CRect& client,
                               std::u16string_view caption) = 0;

    BOOL m_bHover = FALSE;
    bool m_bCaptureBackground = true;
    std::unique_ptr<CBitmap> m_pBackground;

private:
    struct Face
    {
        ButtonState state;
        std::uint32_t variant;
        CSize size;
        std::u16string caption;
        std::unique_ptr<CBitmap> bitmap;
    };

    // The face for state, from the kept ones or drawn and kept.
    void DrawFaceOf(CDC* dc, ButtonState state, const CRect& client, std::u16string caption);
    const Face* FindFace(ButtonState state, std::uint32_t variant, CSize size,
                         std::u16string_view caption) const;
    void KeepFace(ButtonState state, std::uint32_t variant, CSize size, std::u16string caption,
                  std::unique_ptr<CBitmap> bitmap);

    // The latest faces, each the background with the face drawn over it; few enough to search.
    std::vector<Face> m_faces;
};
