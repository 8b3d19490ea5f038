#include "WrongAnswerDialog.h"

#include "framework/DataExchange.h"
#include "res/resource.h"

WrongAnswerDialog::WrongAnswerDialog() : GradientDialog(IDD_WRONG_ANSWER, nullptr) {}

void WrongAnswerDialog::DoDataExchange(CDataExchange* dx)
{
    GradientDialog::DoDataExchange(dx);
    DDX_Control(dx, IDOK, m_btnOK);
    DDX_Text(dx, IDC_WRONG_MESSAGE, m_strMessage);
}

BOOL WrongAnswerDialog::OnInitDialog()
{
    GradientDialog::OnInitDialog();
    SetGradientColors(Palette::LightRed, Palette::White);
    return TRUE;
}
