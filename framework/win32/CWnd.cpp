#include "framework/CWnd.h"

#include "framework/CFont.h"
#include "framework/CMenu.h"
#include "framework/win32/FontCache.h"
#include "framework/win32/MessageDispatch.h"
#include "framework/win32/WideText.h"

#include <map>
#include <memory>
#include <unordered_map>

namespace {

// Which object each window is bound to; a window has exactly one at a time.
std::unordered_map<HWND, CWnd*>& Bindings()
{
    static std::unordered_map<HWND, CWnd*> bindings;
    return bindings;
}

// The system menus handed out, one object per window, as MFC's temporary objects are.
std::map<HWND, std::unique_ptr<CMenu>>& SystemMenus()
{
    static std::map<HWND, std::unique_ptr<CMenu>> menus;
    return menus;
}

bool IsTopLevel(HWND window)
{
    return !(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD);
}

} // namespace

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    Detach();
}

CWnd* CWnd::FromHandle(HWND window)
{
    if (!window)
        return nullptr;
    const auto it = Bindings().find(window);
    return it == Bindings().end() ? nullptr : it->second;
}

void CWnd::Attach(HWND window)
{
    Detach();
    if (!window)
        return;
    if (CWnd* previous = FromHandle(window))
        previous->m_hWnd = nullptr;
    Bindings()[window] = this;
    m_hWnd = window;
}

void CWnd::Detach()
{
    if (!m_hWnd)
        return;
    const auto it = Bindings().find(m_hWnd);
    if (it != Bindings().end() && it->second == this) {
        Bindings().erase(it);
        SystemMenus().erase(m_hWnd);
    }
    m_hWnd = nullptr;
}

CWnd* CWnd::GetParent() const
{
    return m_hWnd ? FromHandle(::GetParent(m_hWnd)) : nullptr;
}

CWnd* CWnd::GetDlgItem(int id) const
{
    return m_hWnd ? FromHandle(::GetDlgItem(m_hWnd, id)) : nullptr;
}

int CWnd::GetDlgCtrlID() const
{
    return m_hWnd ? ::GetDlgCtrlID(m_hWnd) : 0;
}

DWORD CWnd::GetStyle() const
{
    return m_hWnd ? DWORD(GetWindowLongPtrW(m_hWnd, GWL_STYLE)) : 0;
}

void CWnd::SetWindowText(const CString& text)
{
    if (m_hWnd)
        SetWindowTextW(m_hWnd, WideText::FromAnsi(text).c_str());
}

void CWnd::GetWindowText(CString& text) const
{
    text = GetWindowText();
}

CString CWnd::GetWindowText() const
{
    return WideText::WindowText(m_hWnd);
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    return m_hWnd ? ::EnableWindow(m_hWnd, enable) : FALSE;
}

BOOL CWnd::IsWindowEnabled() const
{
    return m_hWnd && ::IsWindowEnabled(m_hWnd);
}

BOOL CWnd::ShowWindow(int command)
{
    return m_hWnd ? ::ShowWindow(m_hWnd, command) : FALSE;
}

BOOL CWnd::IsWindowVisible() const
{
    return m_hWnd && ::IsWindowVisible(m_hWnd);
}

BOOL CWnd::IsIconic() const
{
    return m_hWnd && ::IsIconic(m_hWnd);
}

CWnd* CWnd::SetFocus()
{
    return m_hWnd ? FromHandle(::SetFocus(m_hWnd)) : nullptr;
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(::GetFocus());
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint)
{
    if (m_hWnd)
        ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::GetClientRect(CRect* rect) const
{
    if (!rect)
        return;
    RECT r{};
    if (m_hWnd)
        ::GetClientRect(m_hWnd, &r);
    *rect = CRect(r.left, r.top, r.right, r.bottom);
}

void CWnd::GetWindowRect(CRect* rect) const
{
    if (!rect)
        return;
    RECT r{};
    if (m_hWnd)
        ::GetWindowRect(m_hWnd, &r);
    *rect = CRect(r.left, r.top, r.right, r.bottom);
}

void CWnd::ScreenToClient(CRect* rect) const
{
    if (!rect || !m_hWnd)
        return;
    POINT origin{rect->left, rect->top};
    ::ScreenToClient(m_hWnd, &origin);
    rect->OffsetRect(origin.x - rect->left, origin.y - rect->top);
}

void CWnd::ScreenToClient(CPoint* point) const
{
    if (!point || !m_hWnd)
        return;
    POINT p{point->x, point->y};
    ::ScreenToClient(m_hWnd, &p);
    *point = CPoint(p.x, p.y);
}

void CWnd::Invalidate(BOOL erase)
{
    InvalidateRect(nullptr, erase);
}

void CWnd::InvalidateRect(const CRect* rect, BOOL erase)
{
    if (!m_hWnd)
        return;
    const RECT r = rect ? RECT{rect->left, rect->top, rect->right, rect->bottom} : RECT{};
    // A dialog paints beneath its controls (no clip-children style), so whatever it repaints
    // its controls paint again over it.
    UINT flags = RDW_INVALIDATE | (erase ? RDW_ERASE : 0);
    if (IsTopLevel(m_hWnd))
        flags |= RDW_ALLCHILDREN;
    RedrawWindow(m_hWnd, rect ? &r : nullptr, nullptr, flags);
}

void CWnd::SetFont(CFont* font, BOOL redraw)
{
    if (!m_hWnd || !font || !font->IsCreated())
        return;
    LOGFONT logFont;
    font->GetLogFont(&logFont);
    SendMessageW(m_hWnd, WM_SETFONT, WPARAM(FontCache::FontOf(logFont)), redraw);
}

void CWnd::SetIcon(HICON icon, BOOL bigIcon)
{
    if (m_hWnd)
        SendMessageW(m_hWnd, WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, LPARAM(icon));
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs)
{
    if (!m_hWnd)
        return 0;
    // Not 0 on success, also for timer id 0.
    return ::SetTimer(m_hWnd, id, elapseMs, nullptr) ? (id != 0 ? id : 1) : 0;
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    return m_hWnd ? ::KillTimer(m_hWnd, id) : FALSE;
}

CMenu* CWnd::GetSystemMenu(BOOL revert)
{
    if (!m_hWnd)
        return nullptr;
    HMENU menu = ::GetSystemMenu(m_hWnd, revert);
    if (revert || !menu) {
        SystemMenus().erase(m_hWnd);
        return nullptr;
    }
    auto& kept = SystemMenus()[m_hWnd];
    if (!kept)
        kept = std::make_unique<CMenu>(menu);
    kept->Attach(menu);
    return kept.get();
}

LRESULT CWnd::Default()
{
    return RunDefaultProcessing(this);
}
