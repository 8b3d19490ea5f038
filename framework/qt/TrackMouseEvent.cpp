#include "framework/CButton.h"
#include "framework/qt/QtHandles.h"

#include "framework/qt/WindowData.h"
#include "framework/qt/WindowEvents.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

BOOL _TrackMouseEvent(TRACKMOUSEEVENT* track)
{
    if (!track || !track->hwndTrack || !(track->dwFlags & TME_LEAVE))
        return FALSE;
    QWidget* widget = WidgetOf(track->hwndTrack);
    if (!widget)
        return FALSE;
    WindowData::SetLeaveTracked(widget, true);
    // With the mouse already outside, Windows posts the leave at once.
    if (!widget->underMouse()) {
        QTimer::singleShot(0, widget, [target = QPointer<QWidget>(widget)] {
            if (target)
                DeliverMouseLeave(target);
        });
    }
    return TRUE;
}
