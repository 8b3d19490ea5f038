#include "ui/OwnerDrawButton.h"

#include "framework/AnsiText.h"
#include "framework/CDC.h"
#include "framework/Gdiplus.h"
#include "ui/OffscreenDC.h"

#include <algorithm>

namespace {

// Every state of a checked and an unchecked option button.
constexpr std::size_t kFacesKept = 8;

} // namespace

OwnerDrawButton::OwnerDrawButton() = default;

OwnerDrawButton::~OwnerDrawButton() = default;

void OwnerDrawButton::DrawItem(LPDRAWITEMSTRUCT drawItem)
{
    const ButtonState state = ButtonStateFromItem(drawItem->itemState, m_bHover);
    std::u16string caption = AnsiToUtf16(GetWindowText());
    CDC* dc = CDC::FromHandle(drawItem->hDC);
    CRect client;
    GetClientRect(&client);
    DrawFaceOf(dc, state, client, caption);

    // Over the face and never kept with it: it comes and goes with the focus.
    if ((drawItem->itemState & (ODS_FOCUS | ODS_NOFOCUSRECT)) == ODS_FOCUS) {
        CRect focus;
        {
            Gdiplus::Graphics graphics(dc->GetSafeHdc());
            focus = GetFocusRect(graphics, client, caption);
        }
        dc->DrawFocusRect(&focus);
    }
}

void OwnerDrawButton::DrawFaceOf(CDC* dc, ButtonState state, const CRect& client, std::u16string caption)
{
    const std::uint32_t variant = GetFaceVariant();
    const CSize size(client.Width(), client.Height());

    if (!m_bCaptureBackground) {
        if (const Face* face = FindFace(state, variant, size, caption)) {
            DrawBitmap(face->bitmap.get(), dc, client.TopLeft());
            return;
        }
    }

    // The dialog painted its background beneath the button before the first paint; keep
    // it, because later paints (hover, press) come without the dialog painting again.
    if (m_bCaptureBackground) {
        m_bCaptureBackground = false;
        m_pBackground = CopyOf(dc, client);
    } else if (m_pBackground) {
        DrawBitmap(m_pBackground.get(), dc, client.TopLeft());
    }

    {
        Gdiplus::Graphics graphics(dc->GetSafeHdc());
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        DrawFace(graphics, state, client, caption);
    }
    KeepFace(state, variant, size, std::move(caption), CopyOf(dc, client));
}

const OwnerDrawButton::Face* OwnerDrawButton::FindFace(ButtonState state, std::uint32_t variant, CSize size,
                                                       std::u16string_view caption) const
{
    const auto found = std::find_if(m_faces.begin(), m_faces.end(), [&](const Face& face) {
        return face.state == state && face.variant == variant && face.size == size && face.caption == caption;
    });
    return found == m_faces.end() ? nullptr : &*found;
}

void OwnerDrawButton::KeepFace(ButtonState state, std::uint32_t variant, CSize size, std::u16string caption,
                               std::unique_ptr<CBitmap> bitmap)
{
    if (m_faces.size() == kFacesKept)
        m_faces.erase(m_faces.begin());
    m_faces.push_back(Face{state, variant, size, std::move(caption), std::move(bitmap)});
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
