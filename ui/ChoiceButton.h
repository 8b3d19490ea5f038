#pragma once
// An option button drawn as a circle with a tick (checked) or a cross (unchecked) and its
// caption beside it. In a ChoiceGroup it behaves as a radio button: a click checks it and
// the group unchecks the others, and clicking the checked one changes nothing; the dialog's
// arrow keys move the check within its group. On its own it is a check box that toggles on
// every click. Enter with either focused is the dialog's default button, not a click.

#include "ui/OwnerDrawButton.h"

class ChoiceGroup;

class ChoiceButton : public OwnerDrawButton
{
public:
    ChoiceButton();

    bool IsChecked() const { return m_bChecked; }
    int GetIndex() const { return m_nIndex; }

    void OnLButtonUp(UINT flags, CPoint point) override;
    UINT OnGetDlgCode() override;
    int GetCheck() const override { return m_bChecked ? BST_CHECKED : BST_UNCHECKED; }

protected:
    void DrawFace(Gdiplus::Graphics& graphics, ButtonState state, const CRect& client,
                  std::u16string_view caption) override;
    std::uint32_t GetFaceVariant() const override;
    CRect GetFocusRect(Gdiplus::Graphics& graphics, const CRect& client,
                       std::u16string_view caption) override;

private:
    friend class ChoiceGroup;

    bool m_bChecked = false;
    // The position in the group, -1 for a stand-alone button.
    int m_nIndex = -1;
    ChoiceGroup* m_pGroup = nullptr;
};
