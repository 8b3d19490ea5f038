#pragma once
// A window object bound to a window of the platform: the dialogs and their controls. It offers the
// window operations the dialogs use (texts, enabling, showing, moving, invalidation,
// timers, fonts, coordinates) and receives the window's messages through the virtual
// handlers below, whose base versions do the default processing. The widget behind a
// window is created by the framework (from a dialog template); a CWnd object is bound
// to it when the dialog opens or by DDX_Control, and never owns it.

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"

class CDC;
class CFont;
class CMenu;
#if !defined(_WIN32)
// Handles of the back-end's; on Windows the system's own.
struct GdiBrush;
using HBRUSH = const GdiBrush*;
struct CursorResource;
using HCURSOR = CursorResource*;
struct IconResource;
using HICON = IconResource*;
#endif

class CWnd
{
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The window this object is bound to, or none.
    HWND GetSafeHwnd() const { return m_hWnd; }
    // The object bound to window, or none.
    static CWnd* FromHandle(HWND window);
    CWnd* GetParent() const;
    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    // The window and control styles of the template (WS_*, SS_*, ES_*, ...).
    DWORD GetStyle() const;

    void SetWindowText(const CString& text);
    void GetWindowText(CString& text) const;
    CString GetWindowText() const;

    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    CWnd* SetFocus();
    static CWnd* GetFocus();

    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void GetClientRect(CRect* rect) const;
    // In screen coordinates, like every window rectangle.
    void GetWindowRect(CRect* rect) const;
    void ScreenToClient(CRect* rect) const;
    void ScreenToClient(CPoint* point) const;

    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(const CRect* rect, BOOL erase = TRUE);

    void SetFont(CFont* font, BOOL redraw = TRUE);
    void SetIcon(HICON icon, BOOL bigIcon);

    // Window timers by id; ticks keep coming while a nested modal dialog runs.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs);
    BOOL KillTimer(UINT_PTR id);

    // The window's system menu (for a dialog); revert = TRUE restores the default one.
    CMenu* GetSystemMenu(BOOL revert);

    // Message handlers. The base versions do the default processing.
    virtual BOOL OnEraseBkgnd(CDC* dc);
    virtual HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT controlKind);
    virtual BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnPaint();
    virtual void OnSysCommand(UINT id, LPARAM param);
    virtual void OnMouseMove(UINT flags, CPoint point);
    virtual LRESULT OnMouseLeave();
    virtual void OnLButtonUp(UINT flags, CPoint point);
    virtual void OnSize(UINT type, int width, int height);
    // The close request of the system menu and the caption's close button.
    virtual void OnClose();
    // The control's dialog code (DLGC_*), which decides what Enter and the arrow keys do while
    // it has the focus. By default an owner-drawn button is a push button: Enter presses it.
    virtual UINT OnGetDlgCode();

    // Binds this object to window (none: unbinds it); the window stays the framework's.
    void Attach(HWND window);
    void Detach();

protected:
    // The default processing of the message now being handled.
    LRESULT Default();

private:
    HWND m_hWnd = nullptr;
};
