#include "framework/qt/ButtonWidget.h"
#include "framework/qt/QtHandles.h"

#include "framework/CButton.h"
#include "framework/qt/ControlCanvas.h"
#include "framework/qt/ControlColour.h"
#include "framework/qt/MessageDispatch.h"
#include "framework/qt/WindowData.h"
#include "framework/qt/WindowEvents.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

ButtonWidget::ButtonWidget(QWidget* dialog) : QWidget(dialog)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

UINT ButtonWidget::ItemState() const
{
    UINT state = 0;
    if (m_bSelected)
        state |= ODS_SELECTED;
    if (!isEnabled())
        state |= ODS_DISABLED;
    if (hasFocus())
        state |= ODS_FOCUS;
    if (WindowData::FocusHidden(window()))
        state |= ODS_NOFOCUSRECT;
    return state;
}

UINT ButtonWidget::DialogCode() const
{
    constexpr UINT kPushButton = DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    CWnd* button = WindowOf(this);
    if (!button)
        return kPushButton;
    return UINT(SendWindowMessage(
        button, [button] { return LRESULT(button->OnGetDlgCode()); }, [] { return LRESULT(kPushButton); }));
}

bool ButtonWidget::Checked() const
{
    const auto* button = dynamic_cast<const CButton*>(WindowOf(this));
    return button && button->GetCheck() == BST_CHECKED;
}

void ButtonWidget::Click()
{
    if (!isEnabled())
        return;
    Press();
    Release(0, CPoint(width() / 2, height() / 2));
}

void ButtonWidget::Press()
{
    m_bPressed = true;
    m_bSelected = true;
    update();
}

void ButtonWidget::Release(UINT flags, CPoint point)
{
    DeliverLButtonUp(this, flags, point, [this, point] {
        FinishPress(point);
        return LRESULT(0);
    });
}

void ButtonWidget::FinishPress(CPoint point)
{
    if (!m_bPressed)
        return;
    m_bPressed = false;
    m_bSelected = false;
    update();
    if (rect().contains(point.x, point.y))
        DeliverCommand(this, UINT(WindowData::Id(this)));
}

void ButtonWidget::paintEvent(QPaintEvent* event)
{
    ControlCanvas canvas(this);
    RequestControlColour(this, canvas.DC(), CTLCOLOR_BTN);
    if (auto* button = dynamic_cast<CButton*>(WindowOf(this))) {
        DRAWITEMSTRUCT item;
        item.CtlID = UINT(WindowData::Id(this));
        item.itemState = ItemState();
        item.hwndItem = button;
        item.hDC = &canvas.DC();
        item.rcItem = CRect(0, 0, width(), height());
        SendWindowMessage(button, [button, &item] {
            button->DrawItem(&item);
            return LRESULT(0);
        });
    }
    canvas.Present(this, event->region());
}

void ButtonWidget::mousePressEvent(QMouseEvent* event)
{
    NoteCursorPosition(event);
    if (event->button() == Qt::LeftButton)
        Press();
}

void ButtonWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (m_bPressed) {
        const bool inside = rect().contains(event->position().toPoint());
        if (inside != m_bSelected) {
            m_bSelected = inside;
            update();
        }
    }
    DeliverMouseMove(this, event);
}

void ButtonWidget::mouseReleaseEvent(QMouseEvent* event)
{
    NoteCursorPosition(event);
    if (event->button() == Qt::LeftButton)
        Release(MouseKeyFlags(event), ClientPoint(this, event));
}

void ButtonWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            Press();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ButtonWidget::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        // Released through OnLButtonUp like a mouse click, so that buttons whose click
        // behaviour lives there (the choice buttons) work from the keyboard as well.
        if (m_bPressed)
            Release(0, CPoint(width() / 2, height() / 2));
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void ButtonWidget::leaveEvent(QEvent*)
{
    DeliverMouseLeave(this);
}

void ButtonWidget::focusInEvent(QFocusEvent*)
{
    update();
}

void ButtonWidget::focusOutEvent(QFocusEvent*)
{
    // Losing the focus ends a press by the space bar, as on Windows.
    if (m_bPressed && !(QApplication::mouseButtons() & Qt::LeftButton)) {
        m_bPressed = false;
        m_bSelected = false;
    }
    update();
}
