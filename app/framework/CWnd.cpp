#include "CWnd.h"

#include "CFont.h"
#include "CMenu.h"
#include "Cursor.h"
#include "qt/DialogWidget.h"
#include "qt/MessageDispatch.h"
#include "qt/QtConversions.h"
#include "qt/WindowData.h"

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
    DetachWidget();
}

CWnd* CWnd::FromHandle(const QWidget* widget)
{
    if (!widget)
        return nullptr;
    const auto it = Bindings().find(widget);
    return it == Bindings().end() ? nullptr : it->second;
}

void CWnd::AttachWidget(QWidget* widget)
{
    DetachWidget();
    if (!widget)
        return;
    if (CWnd* previous = FromHandle(widget))
        previous->m_hWnd = nullptr;
    Bindings()[widget] = this;
    m_hWnd = widget;
}

void CWnd::DetachWidget()
{
    if (!m_hWnd)
        return;
    const auto it = Bindings().find(m_hWnd);
    if (it != Bindings().end() && it->second == this)
        Bindings().erase(it);
    m_hWnd = nullptr;
}

CWnd* CWnd::GetParent() const
{
    return m_hWnd ? FromHandle(m_hWnd->parentWidget()) : nullptr;
}

CWnd* CWnd::GetDlgItem(int id) const
{
    if (!m_hWnd)
        return nullptr;
    for (QWidget* child : m_hWnd->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (WindowData::Id(child) == id) {
            if (CWnd* control = FromHandle(child))
                return control;
        }
    }
    return nullptr;
}

int CWnd::GetDlgCtrlID() const
{
    return m_hWnd ? WindowData::Id(m_hWnd) : 0;
}

DWORD CWnd::GetStyle() const
{
    return m_hWnd ? WindowData::Style(m_hWnd) : 0;
}

void CWnd::SetWindowText(const CString& text)
{
    if (!m_hWnd)
        return;
    if (auto* edit = dynamic_cast<QLineEdit*>(m_hWnd)) {
        edit->setText(FromAnsi(text));
        return;
    }
    WindowData::SetText(m_hWnd, text);
    if (m_hWnd->isWindow())
        m_hWnd->setWindowTitle(FromAnsi(text));
    m_hWnd->update();
}

void CWnd::GetWindowText(CString& text) const
{
    text = GetWindowText();
}

CString CWnd::GetWindowText() const
{
    if (!m_hWnd)
        return {};
    if (const auto* edit = dynamic_cast<const QLineEdit*>(m_hWnd))
        return ToAnsi(edit->text());
    return WindowData::Text(m_hWnd);
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    if (!m_hWnd)
        return FALSE;
    const bool wasDisabled = !m_hWnd->isEnabled();
    m_hWnd->setEnabled(enable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    return m_hWnd && m_hWnd->isEnabled();
}

BOOL CWnd::ShowWindow(int command)
{
    if (!m_hWnd)
        return FALSE;
    const bool wasVisible = !m_hWnd->isHidden();
    m_hWnd->setVisible(command != SW_HIDE);
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const
{
    return m_hWnd && m_hWnd->isVisible();
}

BOOL CWnd::IsIconic() const
{
    return m_hWnd && m_hWnd->isWindow() && m_hWnd->isMinimized();
}

CWnd* CWnd::SetFocus()
{
    CWnd* previous = GetFocus();
    if (m_hWnd)
        m_hWnd->setFocus(Qt::OtherFocusReason);
    return previous;
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(QApplication::focusWidget());
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint)
{
    if (!m_hWnd)
        return;
    if (m_hWnd->isWindow()) {
        m_hWnd->move(x, y);
        m_hWnd->resize(width, height);
    } else {
        m_hWnd->setGeometry(x, y, width, height);
    }
    if (repaint)
        m_hWnd->update();
}

void CWnd::GetClientRect(CRect* rect) const
{
    if (rect)
        *rect = m_hWnd ? CRect(0, 0, m_hWnd->width(), m_hWnd->height()) : CRect();
}

void CWnd::GetWindowRect(CRect* rect) const
{
    if (!rect)
        return;
    if (!m_hWnd) {
        *rect = CRect();
        return;
    }
    *rect = ToCRect(m_hWnd->isWindow() ? m_hWnd->frameGeometry()
                                       : QRect(m_hWnd->mapToGlobal(QPoint(0, 0)), m_hWnd->size()));
}

void CWnd::ScreenToClient(CRect* rect) const
{
    if (!rect || !m_hWnd)
        return;
    const QPoint origin = m_hWnd->mapFromGlobal(QPoint(rect->left, rect->top));
    rect->OffsetRect(origin.x() - rect->left, origin.y() - rect->top);
}

void CWnd::ScreenToClient(CPoint* point) const
{
    if (!point || !m_hWnd)
        return;
    const QPoint local = m_hWnd->mapFromGlobal(QPoint(point->x, point->y));
    *point = CPoint(local.x(), local.y());
}

void CWnd::ClientToScreen(CPoint* point) const
{
    if (!point || !m_hWnd)
        return;
    const QPoint global = m_hWnd->mapToGlobal(QPoint(point->x, point->y));
    *point = CPoint(global.x(), global.y());
}

void CWnd::Invalidate(BOOL)
{
    if (m_hWnd)
        m_hWnd->update();
}

void CWnd::InvalidateRect(const CRect* rect, BOOL)
{
    if (!m_hWnd)
        return;
    if (rect)
        m_hWnd->update(ToQRect(*rect));
    else
        m_hWnd->update();
}

void CWnd::UpdateWindow()
{
    if (m_hWnd)
        m_hWnd->repaint();
}

void CWnd::SetFont(CFont* font, BOOL redraw)
{
    if (!m_hWnd)
        return;
    WindowData::SetFont(m_hWnd, font);
    if (font && font->IsCreated())
        m_hWnd->setFont(font->ToQFont());
    if (redraw)
        m_hWnd->update();
}

CFont* CWnd::GetFont() const
{
    return m_hWnd ? WindowData::Font(m_hWnd) : nullptr;
}

void CWnd::SetIcon(HICON icon, BOOL)
{
    const QIcon* qicon = IconToQt(icon);
    if (m_hWnd && m_hWnd->isWindow() && qicon)
        m_hWnd->setWindowIcon(*qicon);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs)
{
    if (!m_hWnd)
        return 0;
    auto* timer = m_hWnd->findChild<QTimer*>(TimerName(id), Qt::FindDirectChildrenOnly);
    if (!timer) {
        timer = new QTimer(m_hWnd);
        timer->setObjectName(TimerName(id));
        QWidget* window = m_hWnd;
        QObject::connect(timer, &QTimer::timeout, window, [window, id] {
            if (CWnd* target = FromHandle(window))
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
    auto* timer = m_hWnd->findChild<QTimer*>(TimerName(id), Qt::FindDirectChildrenOnly);
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
    auto* dialog = dynamic_cast<DialogWidget*>(m_hWnd);
    return dialog ? dialog->SystemMenu(revert) : nullptr;
}

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

LRESULT CWnd::Default()
{
    return RunDefaultProcessing(this);
}
