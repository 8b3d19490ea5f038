#include "framework/CButton.h"
#include "framework/qt/QtHandles.h"

#include "framework/CDC.h"
#include "framework/qt/QtConversions.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

void CButton::DrawItem(LPDRAWITEMSTRUCT drawItem)
{
    // A button whose dialog attached no owner-drawing object of its own still shows as a
    // plain push button with its caption.
    QPainter* painter = drawItem ? PainterOf(drawItem->hDC) : nullptr;
    if (!painter)
        return;
    QWidget* widget = WidgetOf(this);
    QStyle* style = widget ? widget->style() : QApplication::style();
    QStyleOptionButton option;
    if (widget)
        option.initFrom(widget);
    option.rect = ToQRect(drawItem->rcItem);
    option.text = FromAnsi(GetWindowText());
    option.state |= (drawItem->itemState & ODS_SELECTED) ? QStyle::State_Sunken : QStyle::State_Raised;
    if (drawItem->itemState & ODS_DISABLED)
        option.state &= ~QStyle::State_Enabled;
    style->drawControl(QStyle::CE_PushButton, &option, painter, widget);
}
