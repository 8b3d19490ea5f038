#include "framework/DataExchange.h"

#include "framework/CDialog.h"
#include "framework/MessageBox.h"
#include "framework/common/EditSelection.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

// An integer as scanf's "%d" takes it: blanks, an optional sign and digits, then nothing
// but blanks.
bool ParseInteger(const CString& text, int& value)
{
    const char* p = text.c_str();
    while (std::isspace((unsigned char)*p))
        ++p;
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(p, &end, 10);
    if (end == p || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX)
        return false;
    while (std::isspace((unsigned char)*end))
        ++end;
    if (*end != '\0')
        return false;
    value = int(parsed);
    return true;
}

} // namespace

CDataExchange::CDataExchange(CDialog* dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog)
{
}

CWnd* CDataExchange::PrepareCtrl(int id)
{
    m_pLastControl = m_pDlgWnd->GetDlgItem(id);
    m_bLastWasEdit = false;
    return m_pLastControl;
}

CWnd* CDataExchange::PrepareEditCtrl(int id)
{
    PrepareCtrl(id);
    m_bLastWasEdit = true;
    return m_pLastControl;
}

void CDataExchange::Fail()
{
    // Only a validating exchange puts the user back on the offending control.
    if (m_bSaveAndValidate && m_pLastControl) {
        m_pLastControl->SetFocus();
        if (m_bLastWasEdit)
            SelectWholeText(*m_pLastControl);
    }
    throw DataExchangeFailure{};
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (control.GetSafeHwnd())
        return;
    if (const CWnd* item = dx->PrepareCtrl(id))
        control.Attach(item->GetSafeHwnd());
}

void DDX_Text(CDataExchange* dx, int id, int& value)
{
    CWnd* control = dx->PrepareEditCtrl(id);
    if (!control)
        return;
    if (!dx->m_bSaveAndValidate) {
        CString text;
        text.Format("%d", value);
        control->SetWindowText(text);
        return;
    }
    int parsed = 0;
    if (!ParseInteger(control->GetWindowText(), parsed)) {
        AfxMessageBox("Zadejte celé číslo.", MB_ICONEXCLAMATION);
        dx->Fail();
    }
    value = parsed;
}

void DDX_Text(CDataExchange* dx, int id, CString& value)
{
    CWnd* control = dx->PrepareEditCtrl(id);
    if (!control)
        return;
    if (dx->m_bSaveAndValidate)
        value = control->GetWindowText();
    else
        control->SetWindowText(value);
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue)
{
    if (!dx->m_bSaveAndValidate || (value >= minValue && value <= maxValue))
        return;
    CString message;
    message.Format("Zadejte celé číslo od %d do %d.", minValue, maxValue);
    AfxMessageBox(message, MB_ICONEXCLAMATION);
    dx->Fail();
}
