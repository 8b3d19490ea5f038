#pragma once
// The light-red popup of exam mode: names the correct answer after a wrong one, and
// announces the end of the time limit. The caller sets m_strMessage before DoModal.

#include "ui/AlertPillButton.h"
#include "ui/GradientDialog.h"

class WrongAnswerDialog : public GradientDialog
{
public:
    WrongAnswerDialog();

    AlertPillButton m_btnOK;
    CString m_strMessage;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
};
