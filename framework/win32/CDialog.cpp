#include "framework/CDialog.h"

#include "framework/DataExchange.h"
#include "framework/base/Resources.h"
#include "framework/win32/DialogWidget.h"

CDialog::CDialog(UINT templateId, CWnd*) : m_nTemplateId(templateId) {}

CDialog::~CDialog() = default;

int CDialog::DoModal()
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(m_nTemplateId);
    if (!dialogTemplate)
        return -1;
    m_nModalResult = IDCANCEL;
    m_bEnded = false;
    m_pWidget = std::make_unique<DialogWidget>(this, *dialogTemplate);
    if (!m_pWidget->Create()) {
        m_pWidget.reset();
        return -1;
    }
    if (!m_bEnded) {
        m_pWidget->BeginModal();
        // The dialog's own loop, not the one of DialogBox: it has no step where the keys can
        // be looked at before IsDialogMessage takes them.
        while (!m_bEnded) {
            MSG message;
            const BOOL got = GetMessageW(&message, nullptr, 0, 0);
            if (got == 0) {
                // Whoever asked the program to quit must see the request too.
                PostQuitMessage(int(message.wParam));
                break;
            }
            if (got < 0)
                break;
            if (m_pWidget->TranslateKey(message))
                continue;
            if (!IsDialogMessageW(m_pWidget->Handle(), &message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }
    const int result = m_nModalResult;
    m_pWidget.reset();
    return result;
}

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    m_bEnded = true;
    // The loop looks at the flag after each message; this one wakes it should it wait.
    if (m_pWidget && m_pWidget->Handle())
        PostMessageW(m_pWidget->Handle(), WM_NULL, 0, 0);
}

HBRUSH CDialog::OnCtlColor(CDC*, CWnd*, UINT)
{
    // The dialog manager's own brush and colours for the kind of control.
    return reinterpret_cast<HBRUSH>(Default());
}
