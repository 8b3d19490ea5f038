#pragma once
// The window of an up-down control attached to an edit (its buddy): the upper arrow
// steps the position towards the upper end of the range, the lower arrow towards the
// lower end, one per click and repeating while held; the position stays within the
// range and, with the set-buddy-int style, is read from and written to the buddy's text.

#include "framework/base/WinTypes.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

class QLineEdit;

class SpinWidget : public QWidget
{
public:
    SpinWidget(QWidget* dialog, DWORD style);

    void SetBuddy(QLineEdit* buddy) { m_buddy = buddy; }
    void SetRange(int lower, int upper);
    void SetPos(int position);
    int Pos();
    // One step up (+1) or down (-1), as a click on that arrow does.
    void Step(int direction);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool SetsBuddyInt() const;

    QPointer<QLineEdit> m_buddy;
    // The platform default range runs from 100 down to 0, which turns the arrows round;
    // Navik's up-down counts up from 0.
    int m_nLower = 0;
    int m_nUpper = 1000;
    int m_nPos = 0;
    int m_nHeld = 0;
    QTimer m_repeat;
};
