#pragma once
// The window of a modal dialog on Win32: made by the system's dialog manager from the
// in-memory template, subclassed, like each of its controls, so that every message reaches
// the framework's handlers first and their Default() reaches the system's procedure. It
// decides the dialog's keys before IsDialogMessage does: every key press goes to the
// dialog's PreTranslateKey, a key the focused control does not use to OnDialogKey, and
// Enter presses the focused push button or else the default one (id 1), and Tab and the
// arrow keys move through groups of choices as through the system's radio buttons. A nested dialog is
// owned by the one beneath, which stays disabled while it is open.

#include "framework/base/DialogTemplate.h"

#include <memory>
#include <vector>

class CDialog;
class CWnd;

class DialogWidget
{
public:
    DialogWidget(CDialog* dialog, const DialogTemplate& dialogTemplate);
    ~DialogWidget();
    DialogWidget(const DialogWidget&) = delete;
    DialogWidget& operator=(const DialogWidget&) = delete;

    // Creates the window; the dialog's OnInitDialog runs inside. False when it could not.
    bool Create();
    // Shows the window over its disabled owner.
    void BeginModal();
    // Takes what the dialog's keys decide; true when the message was used up.
    bool TranslateKey(const MSG& message);
    HWND Handle() const { return m_hWnd; }

    // The window of the innermost open dialog, or none.
    static HWND Innermost();

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK DialogWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    INT_PTR InitDialog(HWND window);
    LRESULT HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void PressDefaultButton();
    // Gives control the focus as Tab would; false when there is none.
    bool MoveFocusTo(HWND control);
    // The arrow keys on a choice: the next or previous one of its group takes the focus and
    // the check (ChoiceGroups.h).
    bool MoveInGroup(bool forward);

    CDialog* m_pDialog;
    const DialogTemplate& m_template;
    std::vector<WORD> m_bytes;
    HWND m_hWnd = nullptr;
    HWND m_hOwner = nullptr;
    WNDPROC m_pOriginal = nullptr;
    std::vector<std::unique_ptr<CWnd>> m_defaultBindings;
    std::vector<HICON> m_icons;
};
