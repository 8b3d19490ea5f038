#pragma once
// Where a window's client area lies in its widget. It fills the widget, except in a dialog
// whose frame the framework draws itself (ModalFrame.h): there it starts inside the frame.
// The window operations and the input and paint of such a dialog convert between the two.

#include <QPoint>
#include <QRect>

class QWidget;

// The client area's top-left corner in widget coordinates.
QPoint ClientOrigin(const QWidget* widget);
// The client area in widget coordinates.
QRect ClientRect(const QWidget* widget);
