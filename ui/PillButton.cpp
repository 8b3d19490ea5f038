#include "ui/PillButton.h"

#include "framework/Cursor.h"
#include "res/resource.h"
#include "ui/ButtonPainter.h"
#include "ui/Palette.h"

PillButton::PillButton()
{
    SetCursorResource(IDC_HAND_BUTTON, FALSE);
}

PillButton::~PillButton()
{
    if (m_hCursor)
        DestroyCursor(m_hCursor);
}

BOOL PillButton::SetCursorResource(UINT id, BOOL repaint)
{
    if (m_hCursor) {
        DestroyCursor(m_hCursor);
        m_hCursor = nullptr;
    }
    if (id == 0)
        return FALSE;
    m_hCursor = LoadCursorResource(id);
    if (repaint)
        Invalidate(TRUE);
    return m_hCursor != nullptr;
}

Gdiplus::ARGB PillButton::GetFaceColor() const
{
    return Gdiplus::Color::FromCOLORREF(Palette::LightBlue).GetValue();
}

BOOL PillButton::OnSetCursor(CWnd* window, UINT hitTest, UINT message)
{
    if (!m_hCursor)
        return OwnerDrawButton::OnSetCursor(window, hitTest, message);
    SetCursor(m_hCursor);
    return TRUE;
}

void PillButton::DrawFace(Gdiplus::Graphics& graphics, ButtonState state, const CRect& client,
                          std::u16string_view caption)
{
    ButtonPainter::PaintPill(graphics, state, client, GetFaceColor(), caption);
}

std::uint32_t PillButton::GetFaceVariant() const
{
    return GetFaceColor();
}

CRect PillButton::GetFocusRect(Gdiplus::Graphics&, const CRect& client, std::u16string_view)
{
    return ButtonPainter::PillFocusRect(client);
}
