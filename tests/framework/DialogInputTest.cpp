// Input of a dialog: Enter, Escape and the close request, the system menu, button clicks as
// commands and the up-down control; and the data exchange: round trips between members and
// controls, and the failures of a parse or range check (message, focus on the edit, later
// members untouched). The exam set-up's own test shows the numbers loaded and saved and the
// range messages at its bounds.

#include "framework/CButton.h"
#include "framework/CDialog.h"
#include "framework/DataExchange.h"
#include "framework/qt/QtHandles.h"
#include "res/resource.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/TestSeams.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <string>
#include <vector>

namespace {

using DialogInputTest = GuiTest;
using DataExchangeTest = GuiTest;

// The learning set-up with its choices as plain buttons, counting what reaches it.
class InputDialog : public CDialog
{
public:
    InputDialog() : CDialog(IDD_LEARN_SETTINGS) { MapCommand(IDC_START_LAST, &InputDialog::OnStartLast); }

    int m_nStartLastClicks = 0;
    std::vector<UINT> m_sysCommands;
    bool m_bRefuseCancel = false;
    int m_nCancelRequests = 0;

    void OnCancel() override
    {
        ++m_nCancelRequests;
        if (!m_bRefuseCancel)
            CDialog::OnCancel();
    }
    void OnSysCommand(UINT id, LPARAM param) override
    {
        m_sysCommands.push_back(id);
        CDialog::OnSysCommand(id, param);
    }

private:
    void OnStartLast() { ++m_nStartLastClicks; }
};

// A click, Space and Enter reach the mapped handler of the focused button; Enter without a
// focused button is OK, unless OK is disabled. (The first tab stop focused and Tab in template
// order: the set-ups' key tests.)
TEST_F(DialogInputTest, ClicksSpaceAndEnter)
{
    InputDialog dialog;
    const int result = RunModal(dialog, [&dialog](ModalDialog& modal) {
        modal.Click(IDC_START_LAST);
        modal.Click(IDC_START_LAST);
        EXPECT_EQ(dialog.m_nStartLastClicks, 2);
        modal.Control(IDC_START_LAST)->setFocus();
        modal.Key(Qt::Key_Space);
        EXPECT_EQ(dialog.m_nStartLastClicks, 3);
        modal.Key(Qt::Key_Return);
        EXPECT_EQ(dialog.m_nStartLastClicks, 4);

        dialog.GetDlgItem(IDOK)->EnableWindow(FALSE);
        modal.Window()->setFocus();
        modal.Key(Qt::Key_Return);
        EXPECT_TRUE(modal.Window()->isVisible());
        dialog.GetDlgItem(IDOK)->EnableWindow(TRUE);
        modal.Window()->setFocus();
        modal.Key(Qt::Key_Enter);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_nStartLastClicks, 4);
}

// Escape is Cancel; the close request, and the close item of the system menu that a right
// click on the background opens, are the close system command and then Cancel; a dialog that
// refuses the cancel stays open. (Alt+Space, and the items the launcher appends: its About box.)
TEST_F(DialogInputTest, EscapeTheCloseRequestAndTheCloseItemCancel)
{
    const struct
    {
        const char* name;
        void (*leave)(ModalDialog&);
        bool closeCommand;
    } ways[] = {
        {"Escape", [](ModalDialog& modal) { modal.Key(Qt::Key_Escape); }, false},
        {"close request", [](ModalDialog& modal) { modal.Window()->close(); }, true},
        {"close item",
         [](ModalDialog& modal) {
             OnNextPopup([](QMenu& menu) { ChooseMenuItem(menu, QStringLiteral(u"Zavřít\tAlt+F4")); });
             // The top left corner is dialog background.
             QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                                     modal.Window()->mapToGlobal(QPoint(2, 2)));
             QApplication::sendEvent(modal.Window(), &click);
         },
         true},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        InputDialog dialog;
        dialog.m_bRefuseCancel = true;
        const int result = RunModal(dialog, [&](ModalDialog& modal) {
            way.leave(modal);
            EXPECT_EQ(dialog.m_nCancelRequests, 1);
            EXPECT_TRUE(modal.Window()->isVisible());
            dialog.m_bRefuseCancel = false;
            way.leave(modal);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(dialog.m_nCancelRequests, 2);
        EXPECT_EQ(dialog.m_sysCommands,
                  way.closeCommand ? (std::vector<UINT>{SC_CLOSE, SC_CLOSE}) : std::vector<UINT>{});
    }
}

TEST_F(DialogInputTest, UpDownStepsTheEditWithinZeroToThousand)
{
    CDialog dialog(IDD_EXAM_SETTINGS);
    RunModal(dialog, [](ModalDialog& modal) {
        CWnd* edit = modal.Dialog()->GetDlgItem(IDC_QUESTION_COUNT);
        QWidget* spin = modal.Control(IDC_QUESTION_COUNT_SPIN);
        const struct
        {
            const char* before;
            bool up;
            const char* after;
        } steps[] = {{"70", true, "71"}, {"70", false, "69"}, {"0", false, "0"}, {"1000", true, "1000"}};
        for (const auto& step : steps) {
            edit->SetWindowText(step.before);
            const QPoint arrow(spin->width() / 2, step.up ? spin->height() / 4 : spin->height() * 3 / 4);
            QTest::mouseClick(spin, Qt::LeftButton, Qt::NoModifier, arrow);
            EXPECT_EQ(edit->GetWindowText(), CString(step.after)) << step.before;
        }
        modal.Key(Qt::Key_Escape);
    });
}

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
