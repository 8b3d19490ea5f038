// Dialog data exchange: round trips between members and controls, and the failures of a
// parse or range check (message, focus on the edit, later members untouched). The exam
// set-up's own test shows the numbers loaded and saved and the range messages at its bounds.

#include "framework/DataExchange.h"
#include "framework/CButton.h"
#include "framework/CDialog.h"
#include "framework/qt/QtHandles.h"
#include "res/resource.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/TestSeams.h"

#include <QLineEdit>

#include <string>
#include <vector>

namespace {

using DataExchangeTest = GuiTest;

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

// The label is loaded into its control; the count typed (the edit taking digits only) and the
// label changed are read back on OK. The OK button is attached once, also by a later load,
// and let go when the dialog closes.
TEST_F(DataExchangeTest, MembersAreLoadedReadBackAndControlsAttachedUntilTheDialogCloses)
{
    ExchangeDialog dialog;
    const int result = RunModal(dialog, [&dialog](ModalDialog& modal) {
        CWnd* label = modal.Dialog()->GetDlgItem(IDC_QUESTION_COUNT_LABEL);
        EXPECT_EQ(label->GetWindowText(), CString("kusů"));
        QWidget* button = modal.Control(IDOK);
        EXPECT_EQ(WidgetOf(&dialog.m_btnOk), button);
        EXPECT_EQ(modal.Dialog()->GetDlgItem(IDOK), &dialog.m_btnOk);
        EXPECT_TRUE(dialog.UpdateData(FALSE));
        EXPECT_EQ(WidgetOf(&dialog.m_btnOk), button);
        modal.Type(IDC_QUESTION_COUNT, "2a-5 ");
        EXPECT_EQ(modal.Dialog()->GetDlgItem(IDC_QUESTION_COUNT)->GetWindowText(), CString("25"));
        label->SetWindowText("otázek");
        modal.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_nCount, 25);
    EXPECT_EQ(dialog.m_strLabel, CString("otázek"));
    EXPECT_EQ(WidgetOf(&dialog.m_btnOk), nullptr);
}

// A failed check reports, focuses the count with its text selected for retyping, and stops
// the exchange there: the minutes after it keep their value. Enter in an edit goes on to OK.
TEST_F(DataExchangeTest, FailedCheckReportsFocusesAndStops)
{
    const struct
    {
        int maximum;
        int count;
        const char* typed; // none: the count as loaded
        const char* message;
        int stored; // the count after the failure
    } cases[] = {
        {30, 70, nullptr, "Zadejte celé číslo od 1 do 30.", 70},
        {30, 20, "", "Zadejte celé číslo.", 20},
        {0, 1, nullptr, "Zadejte celé číslo od 1 do 0.", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        MessageBoxRecorder boxes;
        ExchangeDialog dialog;
        dialog.m_nMaximum = c.maximum;
        dialog.m_nCount = c.count;
        const int result = RunModal(dialog, [&](ModalDialog& modal) {
            if (c.typed)
                modal.Type(IDC_QUESTION_COUNT, c.typed);
            modal.Type(IDC_MINUTES, "45");
            modal.Key(Qt::Key_Return);
            EXPECT_EQ(boxes.Texts(), std::vector<CString>{c.message});
            EXPECT_TRUE(modal.Window()->isVisible());
            auto* count = static_cast<QLineEdit*>(modal.Control(IDC_QUESTION_COUNT));
            EXPECT_EQ(modal.Window()->focusWidget(), count);
            EXPECT_EQ(count->selectedText(),
                      QString::fromStdString(c.typed ? c.typed : std::to_string(c.count)));
            modal.Key(Qt::Key_Escape);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(dialog.m_nCount, c.stored);
        EXPECT_EQ(dialog.m_nMinutes, 60);
    }
}

} // namespace
