#include "ExamSettingsDialog.h"

#include "framework/DataExchange.h"
#include "model/ModelObjects.h"
#include "res/resource.h"

#include <algorithm>

namespace {

constexpr int kSimulatedTest = 2;
constexpr int kTimeLimited = 1;
// Beyond 999 minutes (16 hours and more) a limit is no exam any more.
constexpr int kMaxMinutes = 999;

} // namespace

ExamSettingsDialog::ExamSettingsDialog() : GradientDialog(IDD_EXAM_SETTINGS, nullptr)
{
    m_testChoice.AddChoice(IDC_NEW_TEST);
    m_testChoice.AddChoice(IDC_CONTINUE_TEST);
    m_orderChoice.AddChoice(IDC_ORDER_SEQUENTIAL);
    m_orderChoice.AddChoice(IDC_ORDER_RANDOM);
    m_orderChoice.AddChoice(IDC_ORDER_SIMULATED);
    m_checkChoice.AddChoice(IDC_CHECK_EACH);
    m_checkChoice.AddChoice(IDC_CHECK_AT_END);
    m_timeChoice.AddChoice(IDC_TIME_UNLIMITED);
    m_timeChoice.AddChoice(IDC_TIME_LIMITED);
    MapCommand(IDC_NEW_TEST, &ExamSettingsDialog::OnTestChoice);
    MapCommand(IDC_CONTINUE_TEST, &ExamSettingsDialog::OnTestChoice);
}

int ExamSettingsDialog::MaxQuestionCount()
{
    return std::min(theQuestionBank.GetSize(), Settings::kTestCapacity);
}

BOOL ExamSettingsDialog::OnInitDialog()
{
    GradientDialog::OnInitDialog();
    SetGradientColors(Palette::LightBlue, Palette::White);
    m_nNewTest = theSettings.m_nZNovytest;
    m_nOrder = theSettings.m_nZVsechny;
    m_nQuestionCount = theSettings.m_nZPocetOtazek;
    m_nCheckMode = theSettings.m_nZKontrolaOdpovedi;
    m_nTimeMode = theSettings.m_nTimeTest;
    m_nMinutes = theSettings.m_nTimeTotal;
    m_bDefaultBrush = true;
    // Without a question there is nothing to confirm.
    if (theQuestionBank.GetSize() == 0)
        m_btnOK.EnableWindow(FALSE);
    UpdateControls();
    return TRUE;
}

void ExamSettingsDialog::UpdateControls()
{
    if (theSettings.m_bZOnlyNew) {
        m_nNewTest = 0;
        GetDlgItem(IDC_CONTINUE_TEST)->EnableWindow(FALSE);
    }
    const BOOL composing = m_nNewTest == 0;
    for (int id : {IDC_ORDER_SEQUENTIAL, IDC_ORDER_RANDOM, IDC_ORDER_SIMULATED, IDC_QUESTION_COUNT,
                   IDC_QUESTION_COUNT_LABEL, IDC_TIME_UNLIMITED, IDC_TIME_LIMITED, IDC_MINUTES})
        GetDlgItem(id)->EnableWindow(composing);
    UpdateData(FALSE);
}

void ExamSettingsDialog::OnTestChoice()
{
    // A failed check ends the exchange before the choice is read. While the stored test is
    // chosen the count and minutes boxes are disabled, so a number that fails its check (a
    // stored count above a smaller bank) could then never be corrected: go to "Nový test",
    // which opens them.
    if (!UpdateData(TRUE))
        m_nNewTest = 0;
    UpdateControls();
}

void ExamSettingsDialog::DoDataExchange(CDataExchange* dx)
{
    GradientDialog::DoDataExchange(dx);
    DDX_Text(dx, IDC_QUESTION_COUNT, m_nQuestionCount);
    DDX_Text(dx, IDC_MINUTES, m_nMinutes);
    if (dx->m_bSaveAndValidate) {
        // Each number is checked only where it is used, as the choices stand on screen (they
        // reach the members only after the checks). A failed check focuses the control
        // exchanged last, so each check names its box first.
        if (m_orderChoice.GetSelection() == kSimulatedTest) {
            dx->PrepareEditCtrl(IDC_QUESTION_COUNT);
            DDV_MinMaxInt(dx, m_nQuestionCount, 1, MaxQuestionCount());
        }
        if (m_timeChoice.GetSelection() == kTimeLimited) {
            dx->PrepareEditCtrl(IDC_MINUTES);
            DDV_MinMaxInt(dx, m_nMinutes, 1, kMaxMinutes);
        }
    }
    DDX_Control(dx, IDCANCEL, m_btnCancel);
    DDX_Control(dx, IDOK, m_btnOK);
    m_testChoice.ExchangeChoice(dx, m_nNewTest);
    m_orderChoice.ExchangeChoice(dx, m_nOrder);
    m_checkChoice.ExchangeChoice(dx, m_nCheckMode);
    m_timeChoice.ExchangeChoice(dx, m_nTimeMode);
}

void ExamSettingsDialog::OnOK()
{
    if (theQuestionBank.GetSize() == 0 || !UpdateData(TRUE))
        return;
    theSettings.m_nZNovytest = m_nNewTest;
    theSettings.m_nZVsechny = m_nOrder;
    theSettings.m_nZPocetOtazek = m_nQuestionCount;
    theSettings.m_nZKontrolaOdpovedi = m_nCheckMode;
    theSettings.m_nTimeTest = m_nTimeMode;
    theSettings.m_nTimeTotal = m_nMinutes;
    EndDialog(IDOK);
}
