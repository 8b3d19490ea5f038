#include "framework/CMenu.h"

#include "framework/CWnd.h"
#include "framework/win32/WideText.h"

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const char* text)
{
    if (!m_hMenu || (!(flags & MF_SEPARATOR) && !text))
        return FALSE;
    if (flags & MF_SEPARATOR)
        return AppendMenuW(m_hMenu, flags, 0, nullptr);
    return AppendMenuW(m_hMenu, flags, id, WideText::FromAnsi(text).c_str());
}

int CMenu::GetMenuItemCount() const
{
    return m_hMenu ? ::GetMenuItemCount(m_hMenu) : 0;
}

UINT CMenu::GetMenuItemID(int position) const
{
    if (!m_hMenu || position < 0 || position >= GetMenuItemCount())
        return UINT(-1);
    return ::GetMenuItemID(m_hMenu, position);
}

int CMenu::GetMenuString(UINT position, CString& text, UINT flags) const
{
    text.clear();
    if (!m_hMenu || !(flags & MF_BYPOSITION))
        return 0;
    wchar_t buffer[256] = {};
    const int length = GetMenuStringW(m_hMenu, position, buffer, int(std::size(buffer)), MF_BYPOSITION);
    text = WideText::ToAnsi(std::wstring_view(buffer, std::size_t(length > 0 ? length : 0)));
    return text.GetLength();
}

UINT CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner) const
{
    if (!m_hMenu || !(flags & TPM_RETURNCMD))
        return 0;
    return UINT(::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->GetSafeHwnd() : nullptr, nullptr));
}
