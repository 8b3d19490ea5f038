#pragma once
// The results of an exam window: number of questions, right answers in green, wrong
// answers in red. m_nResult tells the caller which command closed it: 0 "Zpět" (or
// Escape), 1 "Opravný test".

#include "framework/CGdiObjects.h"
#include "ui/GradientDialog.h"
#include "ui/PillButton.h"

class ResultsDialog : public GradientDialog
{
public:
    ResultsDialog();

    int m_nResult = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT controlKind) override;

private:
    void OnCorrectionTest();

    CFont m_font;
    PillButton m_btnBack;
    PillButton m_btnCorrection;
    CString m_strTitle;
    CString m_strCount;
    CString m_strWrong;
    CString m_strRight;
};
