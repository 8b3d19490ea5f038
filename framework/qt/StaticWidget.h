#pragma once
// The window of a static control: a label (word-wrapped, left-aligned or centred, or a
// single line) or an icon. A label with the notify style sends its id as a command when
// clicked; one without lets the mouse through to the dialog, as Windows' statics do.

#include "framework/base/WinTypes.h"

#include <QWidget>

class StaticWidget : public QWidget
{
public:
    StaticWidget(QWidget* dialog, DWORD style);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};
