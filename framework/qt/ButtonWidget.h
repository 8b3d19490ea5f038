#pragma once
// The window of an owner-drawn button. It keeps the press state as Windows' button
// control does (pushed while the mouse is held down inside it or the space bar is down)
// and paints through the button object's DrawItem. The release goes to OnLButtonUp,
// whose default processing ends the press and, inside the button, sends the click.

#include "framework/base/WinTypes.h"

#include <QWidget>

class ButtonWidget : public QWidget
{
public:
    explicit ButtonWidget(QWidget* dialog);

    // The owner-draw item state: ODS_SELECTED, ODS_DISABLED, ODS_FOCUS, and ODS_NOFOCUSRECT
    // while its dialog hides the focus.
    UINT ItemState() const;
    // A press and release in the middle of the button (Enter on a focused button).
    void Click();
    // The button object's dialog code (OnGetDlgCode), a push button's by default.
    UINT DialogCode() const;
    // Whether the button object is checked (a choice of a group).
    bool Checked() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Press();
    void Release(UINT flags, CPoint point);
    // The button's default processing of the release.
    void FinishPress(CPoint point);

    bool m_bPressed = false;
    bool m_bSelected = false;
};
