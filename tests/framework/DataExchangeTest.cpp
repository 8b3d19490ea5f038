// Dialog data exchange: round trips between members and controls, and the failures of a
// parse or range check (message, focus on the edit, later members untouched).

#include "framework/DataExchange.h"
#include "framework/CButton.h"
#include "framework/CDialog.h"
#include "framework/qt/QtHandles.h"
#include "res/resource.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/TestSeams.h"

#include <QLineEdit>

namespace {

class DataExchangeTest : public GuiTest
{
};

// The exam set-up's count and minutes, with the count limited to 1..m_nMaximum.
class ExchangeDialog : public CDialog
{
public:
    ExchangeDialog() : CDialog(IDD_EXAM_SETTINGS) {}

    int m_nCount = 70;
    int m_nMinutes = 60;
    int m_nMaximum = 30;
    CString m_strLabel = "kusů";
    CButton m_btnOk;

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Text(dx, IDC_QUESTION_COUNT, m_nCount);
        DDV_MinMaxInt(dx, m_nCount, 1, m_nMaximum);
        DDX_Text(dx, IDC_MINUTES, m_nMinutes);
        DDX_Text(dx, IDC_QUESTION_COUNT_LABEL, m_strLabel);
        DDX_Control(dx, IDOK, m_btnOk);
    }
};

CString TextOf(const ModalDialog& modal, int id)
{
    return modal.Dialog()->GetDlgItem(id)->GetWindowText();
}

TEST_F(DataExchangeTest, InitialisationLoadsTheMembersIntoTheControls)
{
    ExchangeDialog dialog;
    RunModal(dialog, [](ModalDialog& modal) {
        EXPECT_EQ(TextOf(modal, IDC_QUESTION_COUNT), CString("70"));
        EXPECT_EQ(TextOf(modal, IDC_MINUTES), CString("60"));
        EXPECT_EQ(TextOf(modal, IDC_QUESTION_COUNT_LABEL), CString("kusů"));
        modal.Key(Qt::Key_Escape);
    });
}

TEST_F(DataExchangeTest, SavingReadsTheControlsBack)
{
    ExchangeDialog dialog;
    const int result = RunModal(dialog, [](ModalDialog& modal) {
        modal.Type(IDC_QUESTION_COUNT, "25");
        modal.Type(IDC_MINUTES, "45");
        modal.Dialog()->GetDlgItem(IDC_QUESTION_COUNT_LABEL)->SetWindowText("otázek");
        modal.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_nCount, 25);
    EXPECT_EQ(dialog.m_nMinutes, 45);
    EXPECT_EQ(dialog.m_strLabel, CString("otázek"));
}

TEST_F(DataExchangeTest, ControlIsAttachedOnceAndLetGoWhenTheDialogCloses)
{
    ExchangeDialog dialog;
    RunModal(dialog, [&dialog](ModalDialog& modal) {
        QWidget* button = modal.Control(IDOK);
        EXPECT_EQ(WidgetOf(&dialog.m_btnOk), button);
        EXPECT_EQ(modal.Dialog()->GetDlgItem(IDOK), &dialog.m_btnOk);
        EXPECT_TRUE(dialog.UpdateData(FALSE));
        EXPECT_EQ(WidgetOf(&dialog.m_btnOk), button);
        modal.Key(Qt::Key_Escape);
    });
    EXPECT_EQ(WidgetOf(&dialog.m_btnOk), nullptr);
}

TEST_F(DataExchangeTest, RangeFailureReportsFocusesAndStops)
{
    MessageBoxRecorder boxes;
    ExchangeDialog dialog;
    RunModal(dialog, [&](ModalDialog& modal) {
        modal.Type(IDC_MINUTES, "45");
        modal.Click(IDOK);
        ASSERT_EQ(boxes.Texts().size(), 1u);
        EXPECT_EQ(boxes.Texts()[0], CString("Zadejte celé číslo od 1 do 30."));
        // Still open, with the count focused and selected for retyping.
        EXPECT_TRUE(modal.Window()->isVisible());
        auto* count = static_cast<QLineEdit*>(modal.Control(IDC_QUESTION_COUNT));
        EXPECT_EQ(modal.Window()->focusWidget(), count);
        EXPECT_EQ(count->selectedText(), QStringLiteral("70"));
        modal.Key(Qt::Key_Escape);
    });
    // The parsed count was stored before its check failed; the exchange stopped there.
    EXPECT_EQ(dialog.m_nCount, 70);
    EXPECT_EQ(dialog.m_nMinutes, 60);
}

TEST_F(DataExchangeTest, ParseFailureReportsAndKeepsLaterMembers)
{
    MessageBoxRecorder boxes;
    ExchangeDialog dialog;
    dialog.m_nCount = 20;
    RunModal(dialog, [&](ModalDialog& modal) {
        modal.Type(IDC_QUESTION_COUNT, "");
        modal.Type(IDC_MINUTES, "15");
        EXPECT_FALSE(modal.Dialog()->UpdateData(TRUE));
        ASSERT_EQ(boxes.Texts().size(), 1u);
        EXPECT_EQ(boxes.Texts()[0], CString("Zadejte celé číslo."));
        EXPECT_EQ(modal.Window()->focusWidget(), modal.Control(IDC_QUESTION_COUNT));
        modal.Key(Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.m_nCount, 20);
    EXPECT_EQ(dialog.m_nMinutes, 60);
}

TEST_F(DataExchangeTest, EmptyRangeAlwaysFails)
{
    MessageBoxRecorder boxes;
    ExchangeDialog dialog;
    dialog.m_nMaximum = 0;
    dialog.m_nCount = 1;
    const int result = RunModal(dialog, [&](ModalDialog& modal) {
        // Enter in an edit goes on to the dialog: OK.
        modal.Control(IDC_MINUTES)->setFocus();
        modal.Key(Qt::Key_Return);
        modal.Key(Qt::Key_Escape);
    });
    EXPECT_EQ(result, IDCANCEL);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0], CString("Zadejte celé číslo od 1 do 0."));
}

TEST_F(DataExchangeTest, NumberEditAcceptsDigitsOnly)
{
    ExchangeDialog dialog;
    RunModal(dialog, [](ModalDialog& modal) {
        modal.Type(IDC_QUESTION_COUNT, "4a-2 5");
        EXPECT_EQ(TextOf(modal, IDC_QUESTION_COUNT), CString("425"));
        modal.Key(Qt::Key_Escape);
    });
}

} // namespace
