#pragma once
// A popup menu of command items and separators: the system menu of a dialog. Choosing an
// item of a tracked popup returns its command id.

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"

#include <vector>

class CWnd;

class CMenu
{
public:
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr);
    // clang-format off
#if defined(_WIN32)
    int GetMenuItemCount() const;
#else
    int GetMenuItemCount() const { return int(m_items.size()); }
#endif
    // clang-format on
    // The command of the item at position; 0 for a separator, -1 past the end.
    UINT GetMenuItemID(int position) const;
    // The text of the item at position (only MF_BYPOSITION); its length, 0 when none.
    int GetMenuString(UINT position, CString& text, UINT flags) const;

    // Shows the menu as a popup at (x, y) in screen coordinates until the user chooses an
    // item or dismisses it. Only TPM_RETURNCMD is supported: the chosen command, 0 for none.
    UINT TrackPopupMenu(UINT flags, int x, int y, CWnd* owner) const;

// clang-format off
#if defined(_WIN32)
    // The system's menu: the object wraps the window's HMENU, which stays the window's.
    explicit CMenu(HMENU menu = nullptr) : m_hMenu(menu) {}
    HMENU GetSafeHmenu() const { return m_hMenu; }
    void Attach(HMENU menu) { m_hMenu = menu; }

private:
    HMENU m_hMenu = nullptr;
#else
private:
    struct Item
    {
        UINT flags;
        UINT id;
        CString text;
    };
    std::vector<Item> m_items;
#endif
    // clang-format on
};
