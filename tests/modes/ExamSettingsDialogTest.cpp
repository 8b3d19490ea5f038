// The exam set-up on its template, driven by real clicks and typing: what a fresh start
// offers, which controls a stored test disables, the range check of the question count and
// what OK and Cancel write to the settings.

#include "ExamSupport.h"

#include "model/ModelObjects.h"
#include "modes/ExamSettingsDialog.h"
#include "res/resource.h"
#include "tests/support/TestSeams.h"

#include <QTest>
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
        EXPECT_EQ(ControlEnabled(modal, id), enabled) << "control " << id;
    for (int id : {IDC_NEW_TEST, IDC_CHECK_EACH, IDC_CHECK_AT_END})
        EXPECT_TRUE(ControlEnabled(modal, id)) << "control " << id;
}

using ExamSettingsDialogTest = ExamTest;

TEST_F(ExamSettingsDialogTest, AFreshStartOffersOnlyANewTestWithTheDefaults)
{
    FillExamBank(80);
    ExamSettingsDialog dialog;
    const int result = RunModal(dialog, [](ModalDialog& modal) {
        for (int id : {IDC_NEW_TEST, IDC_ORDER_SEQUENTIAL, IDC_CHECK_EACH, IDC_TIME_UNLIMITED})
            EXPECT_TRUE(ChoiceChecked(modal, id)) << "control " << id;
        for (int id :
             {IDC_CONTINUE_TEST, IDC_ORDER_RANDOM, IDC_ORDER_SIMULATED, IDC_CHECK_AT_END, IDC_TIME_LIMITED})
            EXPECT_FALSE(ChoiceChecked(modal, id)) << "control " << id;
        EXPECT_EQ(ControlText(modal, IDC_QUESTION_COUNT), CString("70"));
        EXPECT_EQ(ControlText(modal, IDC_MINUTES), CString("60"));
        EXPECT_FALSE(ControlEnabled(modal, IDC_CONTINUE_TEST));
        ExpectNewTestControls(modal, true);

        // Clicking the disabled choice changes nothing; Cancel writes nothing.
        modal.Click(IDC_CONTINUE_TEST);
        EXPECT_TRUE(ChoiceChecked(modal, IDC_NEW_TEST));
        modal.Click(IDC_ORDER_RANDOM);
        modal.Type(IDC_QUESTION_COUNT, "12");
        modal.Click(IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(theSettings.m_nZVsechny, 0);
    EXPECT_EQ(theSettings.m_nZPocetOtazek, 70);
}

TEST_F(ExamSettingsDialogTest, ATestChoiceAloneEnablesTheControlsOfANewTest)
{
    FillExamBank(80);
    StoreTest({4, 5, 6});
    theSettings.m_nZNovytest = 1;
    ExamSettingsDialog dialog;
    const int result = RunModal(dialog, [](ModalDialog& modal) {
        EXPECT_TRUE(ChoiceChecked(modal, IDC_CONTINUE_TEST));
        EXPECT_TRUE(ControlEnabled(modal, IDC_CONTINUE_TEST));
        ExpectNewTestControls(modal, false);

        modal.Click(IDC_NEW_TEST);
        ExpectNewTestControls(modal, true);
        // Neither the order nor the time mode moves the count or minutes boxes.
        for (int id : {IDC_ORDER_SIMULATED, IDC_TIME_LIMITED, IDC_ORDER_SEQUENTIAL, IDC_TIME_UNLIMITED,
                       IDC_TIME_LIMITED}) {
            modal.Click(id);
            ExpectNewTestControls(modal, true);
        }
        modal.Type(IDC_MINUTES, "45");

        modal.Click(IDC_CONTINUE_TEST);
        ExpectNewTestControls(modal, false);
        modal.Click(IDC_CHECK_AT_END);
        EXPECT_TRUE(ChoiceChecked(modal, IDC_CHECK_AT_END));
        modal.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(theSettings.m_nZNovytest, 1);
    EXPECT_EQ(theSettings.m_nZVsechny, 0);
    EXPECT_EQ(theSettings.m_nZPocetOtazek, 70);
    EXPECT_EQ(theSettings.m_nZKontrolaOdpovedi, 1);
    EXPECT_EQ(theSettings.m_nTimeTest, 1);
    EXPECT_EQ(theSettings.m_nTimeTotal, 45);
}

TEST_F(ExamSettingsDialogTest, AStoredChoiceToContinueGivesWayWhenNothingCanBeContinued)
{
    FillExamBank(80);
    theSettings.m_nZNovytest = 1;
    ExamSettingsDialog dialog;
    RunModal(dialog, [](ModalDialog& modal) {
        EXPECT_TRUE(ChoiceChecked(modal, IDC_NEW_TEST));
        EXPECT_FALSE(ChoiceChecked(modal, IDC_CONTINUE_TEST));
        EXPECT_FALSE(ControlEnabled(modal, IDC_CONTINUE_TEST));
        ExpectNewTestControls(modal, true);
        modal.Click(IDOK);
    });
    EXPECT_EQ(theSettings.m_nZNovytest, 0);
}

TEST_F(ExamSettingsDialogTest, ACountOutsideTheBankIsRefusedAndTheDialogStaysOpen)
{
    const CString refusal("Zadejte celé číslo od 1 do 30.");
    FillExamBank(30);
    StoreTest({1, 2});
    MessageBoxRecorder boxes;
    ExamSettingsDialog dialog;
    const int result = RunModal(dialog, [&](ModalDialog& modal) {
        modal.Click(IDOK);
        ASSERT_EQ(boxes.Texts().size(), 1u);
        EXPECT_EQ(boxes.Texts()[0], refusal);
        EXPECT_TRUE(modal.Window()->isVisible());
        EXPECT_TRUE(modal.Control(IDC_QUESTION_COUNT)->hasFocus());
        EXPECT_EQ(theSettings.m_nZPocetOtazek, 70);

        // A click on a test choice runs the check too, and fails before the choice is read.
        modal.Click(IDC_CONTINUE_TEST);
        ASSERT_EQ(boxes.Texts().size(), 2u);
        EXPECT_TRUE(ChoiceChecked(modal, IDC_NEW_TEST));

        modal.Type(IDC_QUESTION_COUNT, "30");
        modal.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(boxes.Texts().size(), 2u);
    EXPECT_EQ(theSettings.m_nZPocetOtazek, 30);
    EXPECT_EQ(theSettings.m_nZNovytest, 0);
}

TEST_F(ExamSettingsDialogTest, ABadCountStoredWithAContinuedTestCanStillBeCorrected)
{
    FillExamBank(30);
    StoreTest({1, 2});
    theSettings.m_nZNovytest = 1;
    MessageBoxRecorder boxes;
    ExamSettingsDialog dialog;
    const int result = RunModal(dialog, [&](ModalDialog& modal) {
        modal.Click(IDOK);
        ASSERT_EQ(boxes.Texts().size(), 1u);
        EXPECT_EQ(boxes.Texts()[0], CString("Zadejte celé číslo od 1 do 30."));
        EXPECT_TRUE(modal.Window()->isVisible());

        // The count box is disabled while the stored test is chosen; "Nový test" opens it
        // even though the check fails once more.
        modal.Click(IDC_NEW_TEST);
        EXPECT_EQ(boxes.Texts().size(), 2u);
        EXPECT_TRUE(ChoiceChecked(modal, IDC_NEW_TEST));
        EXPECT_TRUE(ControlEnabled(modal, IDC_QUESTION_COUNT));

        modal.Type(IDC_QUESTION_COUNT, "25");
        modal.Click(IDC_CONTINUE_TEST);
        modal.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(boxes.Texts().size(), 2u);
    EXPECT_EQ(theSettings.m_nZNovytest, 1);
    EXPECT_EQ(theSettings.m_nZPocetOtazek, 25);
}

TEST_F(ExamSettingsDialogTest, TheCountNeverExceedsWhatATestListHolds)
{
    FillExamBank(1200);
    MessageBoxRecorder boxes;
    ExamSettingsDialog dialog;
    RunModal(dialog, [&](ModalDialog& modal) {
        modal.Type(IDC_QUESTION_COUNT, "1001");
        modal.Click(IDOK);
        ASSERT_EQ(boxes.Texts().size(), 1u);
        EXPECT_EQ(boxes.Texts()[0], CString("Zadejte celé číslo od 1 do 1000."));
        modal.Type(IDC_QUESTION_COUNT, "1000");
        modal.Click(IDOK);
    });
    EXPECT_EQ(theSettings.m_nZPocetOtazek, 1000);
}

TEST_F(ExamSettingsDialogTest, AnEmptyBankCannotBeConfirmed)
{
    MessageBoxRecorder boxes;
    ExamSettingsDialog dialog;
    const int result = RunModal(dialog, [](ModalDialog& modal) {
        EXPECT_FALSE(ControlEnabled(modal, IDOK));
        modal.Click(IDOK);
        EXPECT_TRUE(modal.Window()->isVisible());
        modal.Key(Qt::Key_Escape);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(boxes.Texts().empty());
}

} // namespace
