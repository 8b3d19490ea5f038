#include "ui/ChoiceButton.h"

#include "ui/ButtonPainter.h"
#include "ui/ChoiceGroup.h"

ChoiceButton::ChoiceButton() = default;

void ChoiceButton::OnLButtonUp(UINT, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    // A press that ends outside the button is the user changing their mind.
    if (client.PtInRect(point)) {
        if (m_nIndex == -1) {
            m_bChecked = !m_bChecked;
        } else if (!m_bChecked) {
            m_bChecked = true;
            if (m_pGroup)
                m_pGroup->OnChoiceClicked(m_nIndex);
        }
    }
    // Ends the press, repaints and sends the click, so the dialog sees the new state.
    Default();
}

UINT ChoiceButton::OnGetDlgCode()
{
    return m_nIndex == -1 ? DLGC_BUTTON : DLGC_BUTTON | DLGC_RADIOBUTTON;
}

void ChoiceButton::DrawFace(Gdiplus::Graphics& graphics, ButtonState state, const CRect& client,
                            std::u16string_view caption)
{
    ButtonPainter::PaintChoice(graphics, state, client, m_bChecked, caption);
}

std::uint32_t ChoiceButton::GetFaceVariant() const
{
    return m_bChecked ? 1 : 0;
}

CRect ChoiceButton::GetFocusRect(Gdiplus::Graphics& graphics, const CRect& client,
                                 std::u16string_view caption)
{
    return ButtonPainter::ChoiceFocusRect(graphics, client, caption);
}
