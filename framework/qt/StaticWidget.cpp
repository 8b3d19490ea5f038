#include "framework/qt/StaticWidget.h"
#include "framework/qt/QtHandles.h"

#include "framework/CDC.h"
#include "framework/Cursor.h"
#include "framework/base/DialogTemplate.h"
#include "framework/qt/Artwork.h"
#include "framework/qt/ControlColour.h"
#include "framework/qt/QtConversions.h"
#include "framework/qt/StaticTextPainter.h"
#include "framework/qt/WindowData.h"
#include "framework/qt/WindowEvents.h"

#include <QMouseEvent>
#include <QPainter>

StaticWidget::StaticWidget(QWidget* dialog, DWORD style) : QWidget(dialog)
{
    WindowData::SetStyle(this, style);
    // Not opaque: the dialog paints beneath a static first, as a Windows dialog without
    // clip-children does, and the static draws straight over it.
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    if (!(style & SS_NOTIFY))
        setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StaticWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QtDC dc(&painter, nullptr);
    const HBRUSH brush = RequestControlColour(this, dc, CTLCOLOR_STATIC);
    if (!brush->hollow)
        painter.fillRect(rect(), ToQColor(brush->color));

    const DWORD type = WindowData::Style(this) & SS_TYPEMASK;
    const CString text = WindowData::Text(this);
    if (type == SS_ICON) {
        const UINT icon = text.size() > 1 && text[0] == '#' ? UINT(std::atoi(text.c_str() + 1)) : 0;
        painter.drawPixmap(0, 0, IconPixmap(icon, GetSystemMetrics(SM_CXICON)));
    } else {
        StaticTextStyle style;
        style.font = ControlFont(dc, this);
        style.color = ToQColor(dc.GetTextColor());
        if (dc.GetBkMode() == OPAQUE)
            style.background = ToQColor(dc.GetBkColor());
        style.centred = type == SS_CENTER;
        style.wordWrap = type != SS_SIMPLE;
        style.disabled = !isEnabled();
        DrawStaticText(painter, rect(), FromAnsi(text), style);
    }
}

void StaticWidget::mousePressEvent(QMouseEvent* event)
{
    NoteCursorPosition(event);
    if (event->button() == Qt::LeftButton)
        DeliverCommand(this, UINT(WindowData::Id(this)));
}

void StaticWidget::mouseMoveEvent(QMouseEvent* event)
{
    DeliverMouseMove(this, event);
}

void StaticWidget::mouseReleaseEvent(QMouseEvent* event)
{
    NoteCursorPosition(event);
    if (event->button() == Qt::LeftButton)
        DeliverLButtonUp(this, MouseKeyFlags(event), ClientPoint(this, event));
}

void StaticWidget::leaveEvent(QEvent*)
{
    DeliverMouseLeave(this);
}
