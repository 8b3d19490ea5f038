// Keyboard and mouse input of a dialog: Enter, Escape and the close request, the system
// menu, button clicks as commands and the up-down control.

#include "framework/CDialog.h"
#include "res/resource.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ModalDriver.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

#include <vector>

namespace {

using DialogInputTest = GuiTest;

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

} // namespace
