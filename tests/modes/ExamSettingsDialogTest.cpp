// The exam set-up on its template, driven by real clicks and typing: what a fresh start
// offers, which controls the test choice enables, which numbers OK checks (the count only for
// a simulated test, the minutes only with a time limit) and what OK and Cancel write.

#include "ModesGuiSupport.h"

#include "model/ModelObjects.h"
#include "modes/dialogs/ExamSettingsDialog.h"
#include "res/resource.h"
#include "tests/support/TestSeams.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Used only for a new test: enabled exactly when "Nový test" is chosen.
const int kNewTestOnly[] = {
    IDC_ORDER_SEQUENTIAL,     IDC_ORDER_RANDOM,   IDC_ORDER_SIMULATED, IDC_QUESTION_COUNT,
    IDC_QUESTION_COUNT_LABEL, IDC_TIME_UNLIMITED, IDC_TIME_LIMITED,    IDC_MINUTES};

void ExpectNewTestControls(const ModalDialog& modal, bool enabled)
{
    for (int id : kNewTestOnly)
        EXPECT_EQ(modal.Enabled(id), enabled) << "control " << id;
    for (int id : {IDC_NEW_TEST, IDC_CHECK_EACH, IDC_CHECK_AT_END})
        EXPECT_TRUE(modal.Enabled(id)) << "control " << id;
}

using ExamSettingsDialogTest = ModesTest;

TEST_F(ExamSettingsDialogTest, OnlyAStoredTestCanBeContinuedItDisablesTheNewTestsControlsAndOnlyOkWrites)
{
    FillExamBank(theQuestionBank, 80);
    for (const bool stored : {false, true}) {
        SCOPED_TRACE(stored ? "a stored test" : "a fresh start");
        if (stored)
            StoreTest(theSettings, {4, 5, 6});
        theSettings.m_nZNovytest = 1;
        ExamSettingsDialog dialog;
        const int result = RunModal(dialog, [stored](ModalDialog& modal) {
            for (int id : {IDC_ORDER_SEQUENTIAL, IDC_CHECK_EACH, IDC_TIME_UNLIMITED})
                EXPECT_TRUE(ChoiceChecked(modal, id)) << "control " << id;
            for (int id : {IDC_ORDER_RANDOM, IDC_ORDER_SIMULATED, IDC_CHECK_AT_END, IDC_TIME_LIMITED})
                EXPECT_FALSE(ChoiceChecked(modal, id)) << "control " << id;
            EXPECT_EQ(ChoiceChecked(modal, IDC_CONTINUE_TEST), stored);
            EXPECT_EQ(modal.Enabled(IDC_CONTINUE_TEST), stored);
            EXPECT_EQ(modal.Text(IDC_QUESTION_COUNT), CString("70"));
            EXPECT_EQ(modal.Text(IDC_MINUTES), CString("60"));
            ExpectNewTestControls(modal, !stored);
            modal.Click(IDC_NEW_TEST);
            ExpectNewTestControls(modal, true);
            // That neither the order nor the time mode disables the count or minutes boxes is
            // the set-up keys' test, whose Tab reaches them.
            modal.Click(IDC_TIME_LIMITED);
            modal.Type(IDC_MINUTES, "45");
            modal.Click(IDC_CONTINUE_TEST);
            EXPECT_EQ(ChoiceChecked(modal, IDC_NEW_TEST), !stored);
            ExpectNewTestControls(modal, !stored);
            modal.Click(IDC_CHECK_AT_END);
            modal.Click(stored ? IDOK : IDCANCEL);
        });
        EXPECT_EQ(result, stored ? IDOK : IDCANCEL);
        EXPECT_EQ(theSettings.m_nZNovytest, 1);
        EXPECT_EQ(theSettings.m_nZVsechny, 0);
        EXPECT_EQ(theSettings.m_nZKontrolaOdpovedi, stored ? 1 : 0);
        EXPECT_EQ(theSettings.m_nTimeTest, stored ? 1 : 0);
        EXPECT_EQ(theSettings.m_nTimeTotal, stored ? 45 : 60);
    }
}

TEST_F(ExamSettingsDialogTest, OkChecksTheCountOfASimulatedTestAndTheMinutesOfATimedOne)
{
    struct Case
    {
        int bank;
        int order; // control of the order choice
        const char* count;
        int time; // control of the time choice
        const char* minutes;
        const char* refusal; // none when OK closes
        int focused;         // the box the refusal puts the focus on
    };
    const Case cases[] = {
        // A bank of fewer than 70 questions starts the default exam as it is.
        {30, IDC_ORDER_SEQUENTIAL, "70", IDC_TIME_UNLIMITED, "0", nullptr, 0},
        {30, IDC_ORDER_RANDOM, "0", IDC_TIME_LIMITED, "999", nullptr, 0},
        {30, IDC_ORDER_SIMULATED, "31", IDC_TIME_UNLIMITED, "60", "Zadejte celé číslo od 1 do 30.",
         IDC_QUESTION_COUNT},
        {30, IDC_ORDER_SIMULATED, "0", IDC_TIME_UNLIMITED, "60", "Zadejte celé číslo od 1 do 30.",
         IDC_QUESTION_COUNT},
        {30, IDC_ORDER_SIMULATED, "30", IDC_TIME_LIMITED, "1", nullptr, 0},
        {1200, IDC_ORDER_SIMULATED, "1001", IDC_TIME_UNLIMITED, "60", "Zadejte celé číslo od 1 do 1000.",
         IDC_QUESTION_COUNT},
        {1200, IDC_ORDER_SIMULATED, "1000", IDC_TIME_UNLIMITED, "60", nullptr, 0},
        {30, IDC_ORDER_SEQUENTIAL, "70", IDC_TIME_LIMITED, "0", "Zadejte celé číslo od 1 do 999.",
         IDC_MINUTES},
        {30, IDC_ORDER_SEQUENTIAL, "70", IDC_TIME_LIMITED, "1000", "Zadejte celé číslo od 1 do 999.",
         IDC_MINUTES},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bank << " questions, order " << c.order << " of " << c.count
                                        << ", time " << c.time << " of " << c.minutes);
        theSettings = Settings();
        FillExamBank(theQuestionBank, c.bank);
        MessageBoxRecorder boxes;
        ExamSettingsDialog dialog;
        const int result = RunModal(dialog, [&](ModalDialog& modal) {
            modal.Click(c.order);
            modal.Type(IDC_QUESTION_COUNT, c.count);
            modal.Click(c.time);
            modal.Type(IDC_MINUTES, c.minutes);
            modal.Click(IDOK);
            if (c.refusal) {
                EXPECT_TRUE(modal.Window()->isVisible());
                EXPECT_TRUE(modal.Control(c.focused)->hasFocus());
                modal.Click(IDCANCEL);
            }
        });
        EXPECT_EQ(result, c.refusal ? IDCANCEL : IDOK);
        EXPECT_EQ(boxes.Texts(), c.refusal ? std::vector<CString>{c.refusal} : std::vector<CString>{});
        EXPECT_EQ(theSettings.m_nZPocetOtazek, c.refusal ? 70 : std::atoi(c.count));
    }
}

TEST_F(ExamSettingsDialogTest, ABadCountStoredWithAContinuedTestCanStillBeCorrected)
{
    FillExamBank(theQuestionBank, 30);
    StoreTest(theSettings, {1, 2});
    theSettings.m_nZNovytest = 1;
    theSettings.m_nZVsechny = 2;
    MessageBoxRecorder boxes;
    ExamSettingsDialog dialog;
    const int result = RunModal(dialog, [&](ModalDialog& modal) {
        modal.Click(IDOK);
        EXPECT_EQ(boxes.Texts().size(), 1u);
        EXPECT_TRUE(modal.Window()->isVisible());

        // The count box is disabled while the stored test is chosen; "Nový test" opens it
        // even though the check fails once more.
        modal.Click(IDC_NEW_TEST);
        EXPECT_EQ(boxes.Texts().size(), 2u);
        EXPECT_TRUE(ChoiceChecked(modal, IDC_NEW_TEST));
        EXPECT_TRUE(modal.Enabled(IDC_QUESTION_COUNT));

        modal.Type(IDC_QUESTION_COUNT, "25");
        modal.Click(IDC_CONTINUE_TEST);
        modal.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(boxes.Texts().size(), 2u);
    EXPECT_EQ(theSettings.m_nZNovytest, 1);
    EXPECT_EQ(theSettings.m_nZPocetOtazek, 25);
}

TEST_F(ExamSettingsDialogTest, AnEmptyBankCannotBeConfirmed)
{
    MessageBoxRecorder boxes;
    ExamSettingsDialog dialog;
    const int result = RunModal(dialog, [](ModalDialog& modal) {
        EXPECT_FALSE(modal.Enabled(IDOK));
        modal.Click(IDOK);
        EXPECT_TRUE(modal.Window()->isVisible());
        modal.Key(Qt::Key_Escape);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(boxes.Texts().empty());
}

} // namespace
