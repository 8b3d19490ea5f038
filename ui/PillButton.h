#pragma once
// The push button of every dialog: a capsule over the dialog's background, light blue
// (the colour comes from GetFaceColor), with the pointing-hand cursor while the pointer
// is over it.

#include "framework/Cursor.h"
#include "framework/Gdiplus.h"
#include "ui/OwnerDrawButton.h"

class PillButton : public OwnerDrawButton
{
public:
    PillButton();
    ~PillButton() override;

    // Replaces the cursor by cursor resource id (0: none), repainting when asked; false
    // when the button is left without a cursor.
    BOOL SetCursorResource(UINT id, BOOL repaint);
    // The opaque colour the face fades to.
    virtual Gdiplus::ARGB GetFaceColor() const;

    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override;

protected:
    void DrawFace(Gdiplus::Graphics& graphics, ButtonState state, const CRect& client,
                  std::u16string_view caption) override;
    std::uint32_t GetFaceVariant() const override;
    CRect GetFocusRect(Gdiplus::Graphics& graphics, const CRect& client,
                       std::u16string_view caption) override;

    HCURSOR m_hCursor = nullptr;
};
