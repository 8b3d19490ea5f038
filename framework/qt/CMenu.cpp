#include "framework/CMenu.h"
#include "framework/qt/QtHandles.h"

#include "framework/CWnd.h"
#include "framework/qt/QtConversions.h"

#include <QAction>
#include <QMenu>

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const char* text)
{
    if (!(flags & MF_SEPARATOR) && !text)
        return FALSE;
    m_items.push_back({flags, (flags & MF_SEPARATOR) ? 0u : UINT(id), CString(text ? text : "")});
    return TRUE;
}

UINT CMenu::GetMenuItemID(int position) const
{
    if (position < 0 || position >= GetMenuItemCount())
        return UINT(-1);
    return m_items[std::size_t(position)].id;
}

int CMenu::GetMenuString(UINT position, CString& text, UINT flags) const
{
    text.clear();
    if (!(flags & MF_BYPOSITION) || position >= m_items.size())
        return 0;
    text = m_items[position].text;
    return text.GetLength();
}

UINT CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner) const
{
    if (!(flags & TPM_RETURNCMD))
        return 0;
    QMenu menu(owner ? WidgetOf(owner) : nullptr);
    for (const Item& item : m_items) {
        if (item.flags & MF_SEPARATOR) {
            menu.addSeparator();
        } else {
            // A tab separates the accelerator text, as in Windows menus; Qt reads it the same way.
            QAction* action = menu.addAction(FromAnsi(item.text));
            action->setData(item.id);
        }
    }
    const QAction* chosen = menu.exec(QPoint(x, y));
    return chosen ? chosen->data().toUInt() : 0;
}
