#pragma once
// The window of an edit control: a single line that scrolls horizontally and, with the
// number style, accepts digits only. Its colours come from the control-colour request:
// the brush fills its text area (the hollow brush shows the dialog through it).

#include "framework/base/WinTypes.h"

#include <QLineEdit>

class EditWidget : public QLineEdit
{
public:
    EditWidget(QWidget* dialog, DWORD style);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};
