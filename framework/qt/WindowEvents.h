#pragma once
// Mouse input of every window of the layer, turned into its messages: the cursor request
// and the mouse move, the armed mouse-leave and the left button's release. Each widget
// class of the layer forwards its Qt events here.

#include "framework/base/WinTypes.h"

#include <functional>

class QMouseEvent;
class QWidget;

// Where a mouse event that widget received happened, in the widget's client coordinates.
CPoint ClientPoint(const QWidget* widget, const QMouseEvent* event);
// The key-state flags (MK_*) of a mouse event.
UINT MouseKeyFlags(const QMouseEvent* event);

// The cursor request for widget, then OnMouseMove.
void DeliverMouseMove(QWidget* widget, const QMouseEvent* event);
// OnMouseLeave, when a leave request (_TrackMouseEvent) is armed for widget.
void DeliverMouseLeave(QWidget* widget);
// OnLButtonUp at point (client coordinates), whose default processing is defaultProcessing.
void DeliverLButtonUp(QWidget* widget, UINT flags, CPoint point,
                      const std::function<LRESULT()>& defaultProcessing = {});
// Records where a mouse event happened, for GetCursorPos.
void NoteCursorPosition(const QMouseEvent* event);
// A command (button click, static click notification) to the dialog that owns control.
void DeliverCommand(QWidget* control, UINT id);

// Where the mouse was at the last mouse event a window of the layer received, in screen
// coordinates.
CPoint LastCursorPosition();
