#include "framework/qt/EditWidget.h"

#include "framework/base/DialogTemplate.h"
#include "framework/qt/ControlCanvas.h"
#include "framework/qt/ControlColour.h"
#include "framework/qt/QtConversions.h"
#include "framework/qt/WindowData.h"
#include "framework/qt/WindowEvents.h"

#include <QMouseEvent>
#include <QRegularExpressionValidator>

EditWidget::EditWidget(QWidget* dialog, DWORD style) : QLineEdit(dialog)
{
    WindowData::SetStyle(this, style);
    setMouseTracking(true);
    setFrame((style & WS_BORDER) != 0);
    if (style & ES_NUMBER)
        setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
}

void EditWidget::paintEvent(QPaintEvent* event)
{
    ControlCanvas canvas(this);
    CDC& dc = canvas.DC();
    // Windows asks for a disabled or read-only edit's colours as for a static.
    const HBRUSH brush =
        RequestControlColour(this, dc, isEnabled() && !isReadOnly() ? CTLCOLOR_EDIT : CTLCOLOR_STATIC);
    if (!brush->hollow)
        canvas.Painter().fillRect(rect(), ToQColor(brush->color));
    canvas.Present(this, event->region());

    // The line edit draws its frame and text over that background in the chosen colours.
    QPalette colours = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        colours.setColor(group, QPalette::Base, Qt::transparent);
    colours.setColor(QPalette::Active, QPalette::Text, ToQColor(dc.GetTextColor()));
    colours.setColor(QPalette::Inactive, QPalette::Text, ToQColor(dc.GetTextColor()));
    if (colours != palette())
        setPalette(colours);
    const QFont font = ControlFont(dc, this);
    if (font != this->font())
        setFont(font);
    QLineEdit::paintEvent(event);
}

void EditWidget::mouseMoveEvent(QMouseEvent* event)
{
    QLineEdit::mouseMoveEvent(event);
    DeliverMouseMove(this, event);
}

void EditWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    NoteCursorPosition(event);
    if (event->button() == Qt::LeftButton)
        DeliverLButtonUp(this, MouseKeyFlags(event), ClientPoint(this, event));
}

void EditWidget::leaveEvent(QEvent* event)
{
    QLineEdit::leaveEvent(event);
    DeliverMouseLeave(this);
}
