#include "framework/CButton.h"

#include "framework/win32/WideText.h"

void CButton::DrawItem(LPDRAWITEMSTRUCT drawItem)
{
    // A button whose dialog attached no owner-drawing object of its own still shows as a
    // plain push button with its caption.
    if (!drawItem || !drawItem->hDC)
        return;
    RECT area = drawItem->rcItem;
    const bool pressed = drawItem->itemState & ODS_SELECTED;
    DrawFrameControl(drawItem->hDC, &area, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    const std::wstring caption = WideText::FromAnsi(GetWindowText());
    SetBkMode(drawItem->hDC, TRANSPARENT);
    SetTextColor(drawItem->hDC,
                 GetSysColor((drawItem->itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawTextW(drawItem->hDC, caption.c_str(), int(caption.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

BOOL _TrackMouseEvent(TRACKMOUSEEVENT* track)
{
    if (!track || !track->hwndTrack || !track->hwndTrack->GetSafeHwnd())
        return FALSE;
    tagTRACKMOUSEEVENT system{};
    system.cbSize = sizeof system;
    system.dwFlags = track->dwFlags;
    system.hwndTrack = track->hwndTrack->GetSafeHwnd();
    system.dwHoverTime = track->dwHoverTime;
    return TrackMouseEvent(&system);
}
