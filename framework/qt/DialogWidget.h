#pragma once
// The window of a modal dialog, built from its template: caption, frame (a caption-less popup
// draws its own, ModalFrame.h), client size in dialog units of the template's font, and the
// controls. It turns Qt's input into the dialog's messages: Enter presses the focused push
// button or else sends IDOK, Escape sends IDCANCEL, the caption's close button and Alt+F4 are
// the close system command, and Alt+Space or a right click on the background opens the system
// menu, which Linux window managers do not offer to the program. Every key press goes to the
// dialog's PreTranslateKey before the focused control or the window acts on it. As in a
// Windows dialog, the arrow keys move the focus and the check round a group of choices, and
// Tab treats the group as one tab stop, its checked choice (ChoiceGroups.h).
//
// Like Windows since 2000, a dialog hides which control has the focus until the keyboard
// moves it (Tab or an arrow key); from then on the focused button shows its focus rectangle.
// A dialog opened from one that shows its focus shows it from the start.

#include "framework/CFont.h"
#include "framework/CMenu.h"
#include "framework/base/WinTypes.h"

#include <QDialog>

#include <memory>
#include <vector>

class CDialog;
class CWnd;
struct DialogTemplate;

class DialogWidget : public QDialog
{
public:
    DialogWidget(CDialog* dialog, const DialogTemplate& dialogTemplate);
    ~DialogWidget() override;

    // The system menu with its close item and whatever was appended; none for a dialog
    // without the system-menu style and after a revert.
    CMenu* SystemMenu(bool revert);
    void PopUpSystemMenu(const QPoint& globalPosition);
    // Gives the focus to the first control with the tab-stop style.
    void FocusFirstTabStop();
    // From now on the focused button shows its focus rectangle.
    void ShowFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // Offers a key press to the dialog's PreTranslateKey; true when the dialog took it.
    bool OfferKey(const QKeyEvent* event);
    void PressDefaultButton();
    // The arrow keys within a group of choices: the next or previous one takes the focus and
    // the check. False when the focus is on no choice.
    bool MoveInGroup(bool forward);
    void DeliverSysCommand(UINT id);
    void DeliverClose();

    CDialog* m_pDialog;
    CFont m_font;
    std::vector<std::unique_ptr<CWnd>> m_defaultBindings;
    // The controls in template order.
    std::vector<QWidget*> m_controls;
    std::unique_ptr<CMenu> m_pSystemMenu;
};
