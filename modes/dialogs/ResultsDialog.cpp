#include "ResultsDialog.h"

#include "framework/CDC.h"
#include "framework/DataExchange.h"
#include "model/ModelObjects.h"
#include "res/resource.h"
#include "ui/Palette.h"

ResultsDialog::ResultsDialog() : GradientDialog(IDD_RESULTS, nullptr)
{
    MapCommand(IDC_CORRECTION_TEST, &ResultsDialog::OnCorrectionTest);
}

void ResultsDialog::DoDataExchange(CDataExchange* dx)
{
    GradientDialog::DoDataExchange(dx);
    DDX_Control(dx, IDOK, m_btnBack);
    DDX_Control(dx, IDC_CORRECTION_TEST, m_btnCorrection);
    DDX_Text(dx, IDC_RESULT_TITLE, m_strTitle);
    DDX_Text(dx, IDC_RESULT_COUNT, m_strCount);
    DDX_Text(dx, IDC_RESULT_RIGHT, m_strRight);
    DDX_Text(dx, IDC_RESULT_WRONG, m_strWrong);
}

BOOL ResultsDialog::OnInitDialog()
{
    GradientDialog::OnInitDialog();
    SetGradientColors(Palette::LightBlue, Palette::White);
    m_font.CreateFont(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, FF_SWISS, "Arial");

    m_strTitle = "Výsledky testu:";
    m_strCount.Format("Počet otázek : %d", theSettings.m_testCount);
    m_strWrong.Format("Špatných odpovědí : %d", theSettings.m_wrongCount);
    m_strRight.Format("Správných odpovědí : %d", theSettings.m_rightCount);
    if (theSettings.m_wrongCount == 0)
        m_btnCorrection.EnableWindow(FALSE);
    UpdateData(FALSE);
    return TRUE;
}

HBRUSH ResultsDialog::OnCtlColor(CDC* dc, CWnd* control, UINT controlKind)
{
    LOGFONT description;
    m_font.GetLogFont(&description);
    description.lfHeight = 20;
    GradientDialog::OnCtlColor(dc, control, controlKind);

    const int id = control->GetDlgCtrlID();
    if (id == IDC_RESULT_TITLE)
        description.lfWeight = FW_BOLD;
    if (id >= IDC_RESULT_TITLE && id <= IDC_RESULT_WRONG) {
        // The context keeps the description, so the font need live only for this request.
        CFont font;
        font.CreateFontIndirect(&description);
        dc->SelectObject(&font);
    } else {
        dc->SelectObject(&m_font);
    }
    if (id == IDC_RESULT_RIGHT)
        dc->SetTextColor(Palette::RightCount);
    if (id == IDC_RESULT_WRONG)
        dc->SetTextColor(Palette::WrongCount);
    return GetStockObject(NULL_BRUSH);
}

void ResultsDialog::OnCorrectionTest()
{
    m_nResult = 1;
    OnOK();
}
