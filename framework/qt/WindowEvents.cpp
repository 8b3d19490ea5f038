#include "framework/qt/WindowEvents.h"
#include "framework/qt/QtHandles.h"

#include "framework/CDialog.h"
#include "framework/qt/ClientArea.h"
#include "framework/qt/CursorRequest.h"
#include "framework/qt/MessageDispatch.h"
#include "framework/qt/WindowData.h"

#include <QCursor>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

#include <optional>

namespace {

std::optional<CPoint> g_lastCursorPosition;

// The cursor request: the window's own handler first; by default a child asks its
// dialog; when nobody takes it, the arrow.
void RequestCursor(QWidget* widget)
{
    CWnd* window = WindowOf(widget);
    if (!window)
        return;
    CursorRequest request(widget);
    const auto askParent = [window] {
        CWnd* parent = window->GetParent();
        if (!parent)
            return LRESULT(FALSE);
        return SendWindowMessage(parent, [parent, window] {
            return LRESULT(parent->OnSetCursor(window, HTCLIENT, WM_MOUSEMOVE));
        });
    };
    const LRESULT handled = SendWindowMessage(
        window, [window] { return LRESULT(window->OnSetCursor(window, HTCLIENT, WM_MOUSEMOVE)); }, askParent);
    // Nobody chose: the class cursor, the I-beam over edits and the arrow elsewhere.
    if (!handled && !request.CursorSet())
        widget->setCursor(dynamic_cast<QLineEdit*>(widget) ? Qt::IBeamCursor : Qt::ArrowCursor);
}

} // namespace

void NoteCursorPosition(const QMouseEvent* event)
{
    const QPoint global = event->globalPosition().toPoint();
    g_lastCursorPosition = CPoint(global.x(), global.y());
}

CPoint ClientPoint(const QWidget* widget, const QMouseEvent* event)
{
    const QPoint local = event->position().toPoint() - ClientOrigin(widget);
    return {local.x(), local.y()};
}

UINT MouseKeyFlags(const QMouseEvent* event)
{
    UINT flags = 0;
    if (event->buttons() & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (event->buttons() & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (event->modifiers() & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (event->modifiers() & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

void DeliverMouseMove(QWidget* widget, const QMouseEvent* event)
{
    NoteCursorPosition(event);
    // Windows sends no cursor request while a button holds the mouse captured.
    if (event->buttons() == Qt::NoButton)
        RequestCursor(widget);
    if (CWnd* window = WindowOf(widget)) {
        const UINT flags = MouseKeyFlags(event);
        const CPoint point = ClientPoint(widget, event);
        SendWindowMessage(window, [window, flags, point] {
            window->OnMouseMove(flags, point);
            return LRESULT(0);
        });
    }
}

void DeliverMouseLeave(QWidget* widget)
{
    if (!WindowData::LeaveTracked(widget))
        return;
    WindowData::SetLeaveTracked(widget, false);
    if (CWnd* window = WindowOf(widget))
        SendWindowMessage(window, [window] { return window->OnMouseLeave(); });
}

void DeliverLButtonUp(QWidget* widget, UINT flags, CPoint point,
                      const std::function<LRESULT()>& defaultProcessing)
{
    if (CWnd* window = WindowOf(widget)) {
        SendWindowMessage(
            window,
            [window, flags, point] {
                window->OnLButtonUp(flags, point);
                return LRESULT(0);
            },
            defaultProcessing);
    }
}

void DeliverCommand(QWidget* control, UINT id)
{
    auto* dialog = dynamic_cast<CDialog*>(WindowOf(control->window()));
    if (!dialog)
        return;
    SendWindowMessage(dialog, [dialog, id] {
        dialog->OnCommand(id);
        return LRESULT(0);
    });
}

CPoint LastCursorPosition()
{
    if (g_lastCursorPosition)
        return *g_lastCursorPosition;
    const QPoint position = QCursor::pos();
    return {position.x(), position.y()};
}
