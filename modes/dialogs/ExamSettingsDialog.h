#pragma once
// Set-up of exam mode: a new test or the stored one, the kind of test and its number of
// questions, when answers are checked, and the time limit. OK writes the six choices to
// the settings only after every value has passed its check.

#include "ui/ChoiceGroup.h"
#include "ui/GradientDialog.h"
#include "ui/PillButton.h"

class ExamSettingsDialog : public GradientDialog
{
public:
    ExamSettingsDialog();

    int m_nNewTest = 0;
    int m_nOrder = 0;
    int m_nQuestionCount = 70;
    int m_nCheckMode = 0;
    int m_nTimeMode = 0;
    int m_nMinutes = 60;

    // The largest number of questions a simulated test can ask of the current bank.
    static int MaxQuestionCount();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void UpdateControls();
    void OnTestChoice();

    PillButton m_btnOK;
    PillButton m_btnCancel;
    ChoiceGroup m_testChoice;
    ChoiceGroup m_orderChoice;
    ChoiceGroup m_checkChoice;
    ChoiceGroup m_timeChoice;
};
