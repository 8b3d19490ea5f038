#pragma once
// Driving modal dialogs from a test. A modal loop blocks the test, so the test's actions
// are queued before the loop starts and run inside it once the dialog is up:
//
//     ExamDialog dialog;
//     const int result = RunModal(dialog, [](ModalDialog& modal) {
//         modal.Type(IDC_QUESTION_COUNT, "30");
//         modal.Click(IDOK);                      // real mouse events, found by control id
//     });
//
// A dialog opened by something the test does (a button that opens a nested dialog) is
// reached by queueing its actions with OnNextModal (or OnNextDialog, for the next one of a
// template) before the click that opens it, and a popup menu (the system menu) likewise with
// OnNextPopup. A dialog still open after the timeout fails the test and is closed, so a
// broken test cannot hang the run.

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>

class CDialog;
class CWnd;
class QMenu;
class QWidget;

// The dialog whose modal loop is running, seen from the test.
class ModalDialog
{
public:
    explicit ModalDialog(QWidget* window) : m_pWindow(window) {}

    QWidget* Window() const { return m_pWindow; }
    CDialog* Dialog() const;
    // The control's widget; none (and a test failure) when the dialog has no such control.
    QWidget* Control(int id) const;
    // A left click in the middle of the control.
    void Click(int id) const;
    // A key press and release, sent to the focused control (the dialog when none); with
    // repeat, a press that a held key repeats.
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool repeat = false) const;
    // Focuses the edit, selects its text and types text over it, key by key.
    void Type(int id, const QString& text) const;
    // The dialog as it is on screen now.
    QImage Grab() const;

    // What the control with id shows: its text, whether it is enabled and shown, and its
    // rectangle in the coordinates of the dialog's window, those of Grab: its client
    // coordinates, but for the frame a caption-less popup draws around its client area.
    CString Text(int id) const;
    bool Enabled(int id) const;
    bool Shown(int id) const;
    QRect Rect(int id) const;

private:
    QWidget* m_pWindow;
};

// Runs dialog.DoModal() with body run inside its loop once the dialog is up; returns the
// modal result.
int RunModal(CDialog& dialog, std::function<void(ModalDialog&)> body, int timeoutMs = 5000);

// Runs body inside the next modal loop that starts.
void OnNextModal(std::function<void(ModalDialog&)> body, int timeoutMs = 5000);
// Runs body inside the next modal dialog of template templateId that opens, other than the
// one whose loop runs now.
void OnNextDialog(UINT templateId, std::function<void(ModalDialog&)> body, int timeoutMs = 5000);

// Runs body once the next popup menu is open.
void OnNextPopup(std::function<void(QMenu&)> body, int timeoutMs = 5000);
// Chooses the item of an open popup menu whose text starts with text, with the keyboard.
void ChooseMenuItem(QMenu& menu, const QString& text);

// For tests of the look: runs dialog modally with body run once the window is exposed and
// painted, and closes the dialog after it.
void ShowAndRun(CDialog& dialog, const std::function<void(ModalDialog&)>& body);
// Lets posted events and pending repaints run.
void Settle();
// Moves the mouse over the dialog to point (window coordinates, as Grab's), with real events.
void MoveMouse(const ModalDialog& modal, QPoint point);
// The dialog as it is on screen now, controls included, as 32-bit ARGB.
QImage GrabArgb(const ModalDialog& modal);
// What the dialog's background erase paints over its whole client area.
QImage ErasedBackground(CWnd& dialog);
