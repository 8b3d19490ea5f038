#include "framework/CDialog.h"
#include "framework/qt/QtHandles.h"

#include "framework/DataExchange.h"
#include "framework/base/Resources.h"
#include "framework/qt/ControlColour.h"
#include "framework/qt/DialogWidget.h"
#include "framework/qt/MessageDispatch.h"

CDialog::CDialog(UINT templateId, CWnd*) : m_nTemplateId(templateId) {}

CDialog::~CDialog() = default;

int CDialog::DoModal()
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(m_nTemplateId);
    if (!dialogTemplate)
        return -1;
    m_pWidget = std::make_unique<DialogWidget>(this, *dialogTemplate);
    Attach(ToHwnd(m_pWidget.get()));
    m_nModalResult = IDCANCEL;
    m_bEnded = false;

    BOOL focusFirst = TRUE;
    SendWindowMessage(this, [this, &focusFirst] {
        focusFirst = OnInitDialog();
        return LRESULT(0);
    });
    if (!m_bEnded) {
        if (focusFirst)
            m_pWidget->FocusFirstTabStop();
        m_pWidget->exec();
    }
    const int result = m_nModalResult;
    m_pWidget.reset();
    return result;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    m_bEnded = true;
    if (m_pWidget)
        m_pWidget->done(result);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange exchange(this, saveAndValidate);
    try {
        DoDataExchange(&exchange);
    } catch (const DataExchangeFailure&) {
        return FALSE;
    }
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnDialogKey(UINT)
{
    return FALSE;
}

BOOL CDialog::PreTranslateKey(UINT, BOOL)
{
    return FALSE;
}

BOOL CDialog::OnCommand(UINT id)
{
    const auto handler = m_commands.find(id);
    if (handler != m_commands.end()) {
        handler->second();
        return TRUE;
    }
    switch (id) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    default:
        return FALSE;
    }
}

HBRUSH CDialog::OnCtlColor(CDC*, CWnd*, UINT controlKind)
{
    return UsualControlBrush(controlKind);
}
