#pragma once
// A modal dialog built from a dialog template of the resources. DoModal creates the
// dialog's widget and its controls (positions from dialog units of the template's font),
// calls OnInitDialog and runs a modal loop until EndDialog. Enter presses the focused push
// button or else the default button (id 1), Escape and the caption's close button cancel.
// Commands reach handlers registered with MapCommand by control id; IDOK and IDCANCEL go
// to OnOK and OnCancel unless mapped. A CFileException that leaves a handler is reported
// in the framework's message box and the handler is abandoned.

#include "framework/CWnd.h"

#include <functional>
#include <map>
#include <memory>

class CDataExchange;
class DialogWidget;

class CDialog : public CWnd
{
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    virtual int DoModal();
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int result);

    // Runs DoDataExchange in one direction; false after a failed check.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    UINT GetTemplateId() const { return m_nTemplateId; }
    // A command from a control (button click, click notification of a static): the
    // handler mapped to id, else OnOK for IDOK and OnCancel for IDCANCEL. False when
    // nothing handled it.
    virtual BOOL OnCommand(UINT id);
    // The framework's usual control brush: the dialog face colour (white for edits).
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT controlKind) override;
    // A key pressed without modifiers that the focused control did not use, before the
    // dialog's own keys (Enter, Escape); TRUE when the dialog used it.
    virtual BOOL OnDialogKey(UINT virtualKey);
    // Every key pressed without modifiers in the dialog, before the focused control or the
    // dialog itself acts on it, as MFC's PreTranslateMessage sees a key-down; repeat is set
    // for the presses a held key repeats. TRUE when the dialog took the key.
    virtual BOOL PreTranslateKey(UINT virtualKey, BOOL repeat);

protected:
    virtual void DoDataExchange(CDataExchange* dx);

    template <class T> void MapCommand(UINT id, void (T::*handler)())
    {
        m_commands[id] = [this, handler] { (static_cast<T*>(this)->*handler)(); };
    }

private:
    UINT m_nTemplateId;
    std::map<UINT, std::function<void()>> m_commands;
    std::unique_ptr<DialogWidget> m_pWidget;
    int m_nModalResult = IDCANCEL;
    bool m_bEnded = false;
};
