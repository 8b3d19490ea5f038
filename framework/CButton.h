#pragma once
// A push or option button control. Owner-drawn buttons (every button of Navik) paint
// through DrawItem, which receives the item state (selected, disabled) and a device
// context whose image already holds what the dialog painted beneath the button.

#include "framework/CWnd.h"

class CDC;

#if defined(_WIN32)
// The system's draw-item record (its hDC the button's device context, for CDC::FromHandle)
// and its owner-draw constants.
#else
constexpr UINT ODT_BUTTON = 4;
constexpr UINT ODA_DRAWENTIRE = 1;

struct DRAWITEMSTRUCT
{
    UINT CtlType = ODT_BUTTON;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemAction = ODA_DRAWENTIRE;
    UINT itemState = 0;
    CWnd* hwndItem = nullptr;
    CDC* hDC = nullptr;
    CRect rcItem;
};
using LPDRAWITEMSTRUCT = DRAWITEMSTRUCT*;
#endif

class CButton : public CWnd
{
public:
    CButton() = default;
    virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);
    // BST_CHECKED or BST_UNCHECKED. An owner-drawn button keeps its check state itself, so
    // the kind that has one answers; a plain push button is never checked.
    virtual int GetCheck() const { return BST_UNCHECKED; }
};

// Asks for one mouse-leave notification (OnMouseLeave) for a window. The record is the
// framework's on every system, so that the window is named by its object; on Windows the
// flags are the system's (TME_LEAVE, HOVER_DEFAULT) and the system's record is kept out of
// the way by framework/base/WinTypes.h.
#if !defined(_WIN32)
constexpr DWORD TME_LEAVE = 0x00000002;
constexpr UINT HOVER_DEFAULT = 0xFFFFFFFF;
#endif
struct TRACKMOUSEEVENT
{
    DWORD cbSize = sizeof(TRACKMOUSEEVENT);
    DWORD dwFlags = 0;
    CWnd* hwndTrack = nullptr;
    DWORD dwHoverTime = HOVER_DEFAULT;
};
BOOL _TrackMouseEvent(TRACKMOUSEEVENT* track);
