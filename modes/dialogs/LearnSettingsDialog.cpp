#include "LearnSettingsDialog.h"

#include "framework/DataExchange.h"
#include "model/ModelObjects.h"
#include "res/resource.h"

LearnSettingsDialog::LearnSettingsDialog() : GradientDialog(IDD_LEARN_SETTINGS, nullptr)
{
    m_answerChoice.AddChoice(IDC_SHOW_ALL);
    m_answerChoice.AddChoice(IDC_SHOW_CORRECT);
    m_startChoice.AddChoice(IDC_START_FIRST);
    m_startChoice.AddChoice(IDC_START_LAST);
}

void LearnSettingsDialog::DoDataExchange(CDataExchange* dx)
{
    GradientDialog::DoDataExchange(dx);
    DDX_Control(dx, IDCANCEL, m_btnCancel);
    DDX_Control(dx, IDOK, m_btnOK);
    m_answerChoice.ExchangeChoice(dx, m_nAnswerMode);
    m_startChoice.ExchangeChoice(dx, m_nStartMode);
}

BOOL LearnSettingsDialog::OnInitDialog()
{
    GradientDialog::OnInitDialog();
    SetGradientColors(Palette::LightBlue, Palette::White);
    m_nAnswerMode = theSettings.m_bUShowAll ? 0 : 1;
    m_nStartMode = theSettings.m_nUZacatek;
    UpdateData(FALSE);
    return TRUE;
}

void LearnSettingsDialog::OnOK()
{
    UpdateData(TRUE);
    theSettings.m_bUShowAll = m_nAnswerMode == 0;
    theSettings.m_nUZacatek = m_nStartMode;
    EndDialog(IDOK);
}
