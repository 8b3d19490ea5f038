// The parts of a dialog that need nothing of the platform: the default OK and Cancel, data
// exchange and command routing.

#include "framework/CDialog.h"

#include "framework/DataExchange.h"

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
