#pragma once
// Dialog data exchange: DoDataExchange moves values between a dialog's members and its
// controls in the direction given by m_bSaveAndValidate. A failed parse or range check
// shows the framework's message, focuses and selects the edit and ends the exchange
// (the remaining steps do not run; UpdateData returns false).

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"

class CWnd;
class CDialog;

// Thrown by CDataExchange::Fail to end an exchange; UpdateData catches it.
struct DataExchangeFailure
{
};

class CDataExchange
{
public:
    CDataExchange(CDialog* dialog, BOOL saveAndValidate);

    BOOL m_bSaveAndValidate;
    CDialog* m_pDlgWnd;

    // The control with this id, remembered as the one a later failure refers to.
    CWnd* PrepareCtrl(int id);
    CWnd* PrepareEditCtrl(int id);
    // Focuses (and, for an edit, selects) the last prepared control and ends the
    // exchange; the caller has shown its message.
    [[noreturn]] void Fail();

private:
    CWnd* m_pLastControl = nullptr;
    bool m_bLastWasEdit = false;
};

// Binds a control object to the dialog item once; later calls do nothing.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, CString& value);
void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue);
