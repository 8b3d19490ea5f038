#pragma once
// Set-up of learning mode: where to start (the first question or the one shown last) and
// whether to show all three answers or only the correct one. OK writes the choices to
// the settings; Cancel and Escape write nothing.

#include "ui/ChoiceGroup.h"
#include "ui/GradientDialog.h"
#include "ui/PillButton.h"

class LearnSettingsDialog : public GradientDialog
{
public:
    LearnSettingsDialog();

    int m_nAnswerMode = 0;
    int m_nStartMode = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    PillButton m_btnOK;
    PillButton m_btnCancel;
    ChoiceGroup m_answerChoice;
    ChoiceGroup m_startChoice;
};
