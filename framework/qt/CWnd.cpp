#include "framework/CWnd.h"
#include "framework/qt/QtFonts.h"

#include "framework/CFont.h"
#include "framework/CMenu.h"
#include "framework/Cursor.h"
#include "framework/qt/Artwork.h"
#include "framework/qt/ClientArea.h"
#include "framework/qt/DialogWidget.h"
#include "framework/qt/MessageDispatch.h"
#include "framework/qt/QtConversions.h"
#include "framework/qt/QtHandles.h"
#include "framework/qt/WindowData.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include <unordered_map>

namespace {

// Which object each window is bound to; a window has exactly one at a time.
std::unordered_map<const QWidget*, CWnd*>& Bindings()
{
    static std::unordered_map<const QWidget*, CWnd*> bindings;
    return bindings;
}

QString TimerName(UINT_PTR id)
{
    return QStringLiteral("navik.timer.%1").arg(quint64(id));
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
    const auto it = Bindings().find(ToWidget(window));
    return it == Bindings().end() ? nullptr : it->second;
}

void CWnd::Attach(HWND window)
{
    Detach();
    if (!window)
        return;
    if (CWnd* previous = FromHandle(window))
        previous->m_hWnd = nullptr;
    Bindings()[ToWidget(window)] = this;
    m_hWnd = window;
}

void CWnd::Detach()
{
    if (!m_hWnd)
        return;
    const auto it = Bindings().find(ToWidget(m_hWnd));
    if (it != Bindings().end() && it->second == this)
        Bindings().erase(it);
    m_hWnd = nullptr;
}

QWidget* WidgetOf(const CWnd* window)
{
    return window ? ToWidget(window->GetSafeHwnd()) : nullptr;
}

CWnd* WindowOf(const QWidget* widget)
{
    return CWnd::FromHandle(ToHwnd(widget));
}

CWnd* CWnd::GetParent() const
{
    return m_hWnd ? WindowOf(ToWidget(m_hWnd)->parentWidget()) : nullptr;
}

CWnd* CWnd::GetDlgItem(int id) const
{
    if (!m_hWnd)
        return nullptr;
    for (QWidget* child : ToWidget(m_hWnd)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (WindowData::Id(child) == id) {
            if (CWnd* control = WindowOf(child))
                return control;
        }
    }
    return nullptr;
}

int CWnd::GetDlgCtrlID() const
{
    return m_hWnd ? WindowData::Id(ToWidget(m_hWnd)) : 0;
}

DWORD CWnd::GetStyle() const
{
    return m_hWnd ? WindowData::Style(ToWidget(m_hWnd)) : 0;
}

void CWnd::SetWindowText(const CString& text)
{
    if (!m_hWnd)
        return;
    if (auto* edit = dynamic_cast<QLineEdit*>(ToWidget(m_hWnd))) {
        edit->setText(FromAnsi(text));
        return;
    }
    WindowData::SetText(ToWidget(m_hWnd), text);
    if (ToWidget(m_hWnd)->isWindow())
        ToWidget(m_hWnd)->setWindowTitle(FromAnsi(text));
    ToWidget(m_hWnd)->update();
}

void CWnd::GetWindowText(CString& text) const
{
    text = GetWindowText();
}

CString CWnd::GetWindowText() const
{
    if (!m_hWnd)
        return {};
    if (const auto* edit = dynamic_cast<const QLineEdit*>(ToWidget(m_hWnd)))
        return ToAnsi(edit->text());
    return WindowData::Text(ToWidget(m_hWnd));
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    if (!m_hWnd)
        return FALSE;
    const bool wasDisabled = !ToWidget(m_hWnd)->isEnabled();
    ToWidget(m_hWnd)->setEnabled(enable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    return m_hWnd && ToWidget(m_hWnd)->isEnabled();
}

BOOL CWnd::ShowWindow(int command)
{
    if (!m_hWnd)
        return FALSE;
    const bool wasVisible = !ToWidget(m_hWnd)->isHidden();
    ToWidget(m_hWnd)->setVisible(command != SW_HIDE);
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const
{
    return m_hWnd && ToWidget(m_hWnd)->isVisible();
}

BOOL CWnd::IsIconic() const
{
    return m_hWnd && ToWidget(m_hWnd)->isWindow() && ToWidget(m_hWnd)->isMinimized();
}

CWnd* CWnd::SetFocus()
{
    CWnd* previous = GetFocus();
    if (ToWidget(m_hWnd))
        ToWidget(m_hWnd)->setFocus(Qt::OtherFocusReason);
    return previous;
}

CWnd* CWnd::GetFocus()
{
    return WindowOf(QApplication::focusWidget());
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint)
{
    if (!m_hWnd)
        return;
    if (ToWidget(m_hWnd)->isWindow()) {
        ToWidget(m_hWnd)->move(x, y);
        ToWidget(m_hWnd)->resize(width, height);
    } else {
        const QPoint origin = ClientOrigin(ToWidget(m_hWnd)->parentWidget());
        ToWidget(m_hWnd)->setGeometry(x + origin.x(), y + origin.y(), width, height);
    }
    if (repaint)
        ToWidget(m_hWnd)->update();
}

void CWnd::GetClientRect(CRect* rect) const
{
    if (rect)
        *rect = m_hWnd
                    ? CRect(0, 0, ClientRect(ToWidget(m_hWnd)).width(), ClientRect(ToWidget(m_hWnd)).height())
                    : CRect();
}

void CWnd::GetWindowRect(CRect* rect) const
{
    if (!rect)
        return;
    if (!m_hWnd) {
        *rect = CRect();
        return;
    }
    *rect = ToCRect(ToWidget(m_hWnd)->isWindow()
                        ? ToWidget(m_hWnd)->frameGeometry()
                        : QRect(ToWidget(m_hWnd)->mapToGlobal(QPoint(0, 0)), ToWidget(m_hWnd)->size()));
}

void CWnd::ScreenToClient(CRect* rect) const
{
    if (!rect || !m_hWnd)
        return;
    const QPoint origin =
        ToWidget(m_hWnd)->mapFromGlobal(QPoint(rect->left, rect->top)) - ClientOrigin(ToWidget(m_hWnd));
    rect->OffsetRect(origin.x() - rect->left, origin.y() - rect->top);
}

void CWnd::ScreenToClient(CPoint* point) const
{
    if (!point || !m_hWnd)
        return;
    const QPoint local =
        ToWidget(m_hWnd)->mapFromGlobal(QPoint(point->x, point->y)) - ClientOrigin(ToWidget(m_hWnd));
    *point = CPoint(local.x(), local.y());
}

void CWnd::Invalidate(BOOL)
{
    if (ToWidget(m_hWnd))
        ToWidget(m_hWnd)->update();
}

void CWnd::InvalidateRect(const CRect* rect, BOOL)
{
    if (!m_hWnd)
        return;
    if (rect)
        ToWidget(m_hWnd)->update(ToQRect(*rect).translated(ClientOrigin(ToWidget(m_hWnd))));
    else
        ToWidget(m_hWnd)->update();
}

void CWnd::SetFont(CFont* font, BOOL redraw)
{
    if (!m_hWnd)
        return;
    if (font && font->IsCreated())
        ToWidget(m_hWnd)->setFont(ToQFont(*font));
    if (redraw)
        ToWidget(m_hWnd)->update();
}

void CWnd::SetIcon(HICON icon, BOOL)
{
    const QIcon* qicon = IconToQt(icon);
    if (m_hWnd && ToWidget(m_hWnd)->isWindow() && qicon)
        ToWidget(m_hWnd)->setWindowIcon(*qicon);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs)
{
    if (!m_hWnd)
        return 0;
    auto* timer = ToWidget(m_hWnd)->findChild<QTimer*>(TimerName(id), Qt::FindDirectChildrenOnly);
    if (!timer) {
        timer = new QTimer(ToWidget(m_hWnd));
        timer->setObjectName(TimerName(id));
        QWidget* window = ToWidget(m_hWnd);
        QObject::connect(timer, &QTimer::timeout, window, [window, id] {
            if (CWnd* target = WindowOf(window))
                SendWindowMessage(target, [target, id] {
                    target->OnTimer(id);
                    return LRESULT(0);
                });
        });
    }
    timer->start(int(elapseMs));
    // Windows returns a non-zero value on success, also for timer id 0.
    return id != 0 ? id : 1;
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    if (!m_hWnd)
        return FALSE;
    auto* timer = ToWidget(m_hWnd)->findChild<QTimer*>(TimerName(id), Qt::FindDirectChildrenOnly);
    if (!timer)
        return FALSE;
    // The timer may be the one whose tick is being handled: stop it now, free it later.
    timer->stop();
    timer->setObjectName(QString());
    timer->deleteLater();
    return TRUE;
}

CMenu* CWnd::GetSystemMenu(BOOL revert)
{
    auto* dialog = dynamic_cast<DialogWidget*>(ToWidget(m_hWnd));
    return dialog ? dialog->SystemMenu(revert) : nullptr;
}

LRESULT CWnd::Default()
{
    return RunDefaultProcessing(this);
}
