#include "ui/OwnerDrawButton.h"

#include "app/framework/CDC.h"
#include "ui/AnsiText.h"
#include "ui/OffscreenDC.h"
#include "ui/gdiplus/Graphics.h"

OwnerDrawButton::OwnerDrawButton() = default;

OwnerDrawButton::~OwnerDrawButton() = default;

void OwnerDrawButton::DrawItem(LPDRAWITEMSTRUCT drawItem)
{
    const ButtonState state = ButtonStateFromItem(drawItem->itemState, m_bHover);
    const std::u16string caption = AnsiToUtf16(GetWindowText());
    CDC* dc = CDC::FromHandle(drawItem->hDC);
    CRect client;
    GetClientRect(&client);

    // The dialog painted its background beneath the button before the first paint; keep
    // it, because later paints (hover, press) come without the dialog painting again.
    if (m_bCaptureBackground) {
        m_bCaptureBackground = false;
        m_pBackground.reset();
        OffscreenDC capture(client.Width(), client.Height(), dc);
        capture.BitBlt(0, 0, client.Width(), client.Height(), dc, client.left, client.top, SRCCOPY);
        m_pBackground = capture.ReleaseBitmap();
    } else if (m_pBackground) {
        DrawBitmap(m_pBackground.get(), dc, client.TopLeft());
    }

    Gdiplus::Graphics graphics(dc);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    DrawFace(graphics, state, client, caption);
}

BOOL OwnerDrawButton::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void OwnerDrawButton::OnMouseMove(UINT, CPoint)
{
    Default();
    if (m_bHover)
        return;
    m_bHover = TRUE;
    TRACKMOUSEEVENT track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = this;
    _TrackMouseEvent(&track);
    Invalidate(TRUE);
}

LRESULT OwnerDrawButton::OnMouseLeave()
{
    if (m_bHover) {
        m_bHover = FALSE;
        Invalidate(TRUE);
    }
    return 0;
}
