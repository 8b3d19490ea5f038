// What a window does with a message its class does not handle: the platform's default
// processing, which each back-end runs in CWnd::Default.

#include "framework/CWnd.h"

#include "framework/CDC.h"

BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return BOOL(Default());
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT)
{
    return reinterpret_cast<HBRUSH>(Default());
}

BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    return BOOL(Default());
}

void CWnd::OnTimer(UINT_PTR)
{
    Default();
}

void CWnd::OnPaint()
{
    Default();
}

void CWnd::OnSysCommand(UINT, LPARAM)
{
    Default();
}

void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}

LRESULT CWnd::OnMouseLeave()
{
    return Default();
}

void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnSize(UINT, int, int)
{
    Default();
}

void CWnd::OnClose()
{
    Default();
}

UINT CWnd::OnGetDlgCode()
{
    return UINT(Default());
}
