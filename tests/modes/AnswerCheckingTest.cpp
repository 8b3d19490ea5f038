// Answering in the exam window with real clicks and keys: counting, the list of wrong
// answers, the popup that names the right answer, the end of the test, and the hand cursor
// over the answers.

#include "ExamSupport.h"
#include "framework/qt/Artwork.h"

#include "framework/Cursor.h"
#include "model/ModelObjects.h"
#include "modes/QuestionDialog.h"
#include "res/resource.h"

#include <QCursor>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace {

using AnswerCheckingTest = ExamTest;

TEST_F(AnswerCheckingTest, EachAnswerIsCountedAndOnlyCheckingAfterEachNamesTheRightOne)
{
    FillExamBank(6);
    for (const int mode : {0, 1}) {
        SCOPED_TRACE(mode == 0 ? "checking after each answer" : "checking at the end");
        StoreTest({4, 1, 3, 0});
        theSettings.m_rightCount = theSettings.m_wrongCount = 0;
        theSettings.m_nZKontrolaOdpovedi = mode;
        DialogCounter popups(IDD_WRONG_ANSWER, mode == 1);
        std::vector<CString> messages;
        QuestionDialog dialog;
        RunModal(dialog, [&](ModalDialog& modal) {
            for (const int question : {4, 1, 3, 0}) {
                EXPECT_EQ(ControlText(modal, IDC_QUESTION_TEXT), "Otázka " + std::to_string(question));
                const bool wrong = question == 4 || question == 3;
                if (wrong && mode == 0) {
                    OnNextDialog(IDD_WRONG_ANSWER, [&](ModalDialog& popup) {
                        messages.push_back(ControlText(popup, IDC_WRONG_MESSAGE));
                        popup.Click(IDOK);
                    });
                }
                modal.Click(AnswerControl(wrong ? WrongAnswer(question) : RightAnswer(question)));
            }
            EXPECT_FALSE(modal.Window()->isVisible());
        });
        if (mode == 0) {
            EXPECT_EQ(messages, (std::vector<CString>{"Správná odpověď je b) :\nBeta 4",
                                                      "Správná odpověď je a) :\nAlfa 3"}));
        }
        EXPECT_EQ(popups.Count(), mode == 0 ? 2 : 0);
        EXPECT_EQ(theSettings.m_rightCount, 2);
        ASSERT_EQ(theSettings.m_wrongCount, 2);
        EXPECT_EQ(theSettings.m_wrong[0], 4);
        EXPECT_EQ(theSettings.m_wrong[1], 3);
        EXPECT_EQ(theSettings.m_testPos, 4);
        EXPECT_TRUE(theSettings.m_bZOnlyNew);
        EXPECT_EQ(dialog.m_nQuestion, 0);
    }
}

TEST_F(AnswerCheckingTest, LettersAndDigitsAnswerLikeClicksOnTheAnswers)
{
    FillExamBank(6);
    StoreTest({0, 1, 2, 3, 4, 5});
    theSettings.m_nZKontrolaOdpovedi = 1;
    QuestionDialog dialog;
    RunModal(dialog, [](ModalDialog& modal) {
        EXPECT_EQ(ControlText(modal, IDC_ANSWER_B), CString("b) Beta 0"));
        // Right for questions 0 to 2, wrong for 3 to 5.
        for (const int key : {Qt::Key_A, Qt::Key_2, Qt::Key_C, Qt::Key_B, Qt::Key_3, Qt::Key_1})
            modal.Key(key);
        EXPECT_FALSE(modal.Window()->isVisible());
    });
    EXPECT_EQ(theSettings.m_rightCount, 3);
    ASSERT_EQ(theSettings.m_wrongCount, 3);
    EXPECT_EQ(theSettings.m_wrong[0], 3);
    EXPECT_EQ(theSettings.m_wrong[2], 5);
}

TEST_F(AnswerCheckingTest, LearningIgnoresClicksAndKeysOnTheAnswers)
{
    FillExamBank(6);
    StoreTest({0, 1});
    QuestionDialog dialog;
    dialog.m_bLearning = true;
    dialog.m_nQuestion = 2;
    RunModal(dialog, [](ModalDialog& modal) {
        for (const int id : {IDC_ANSWER_A, IDC_ANSWER_B, IDC_ANSWER_C})
            modal.Click(id);
        modal.Key(Qt::Key_A);
        modal.Key(Qt::Key_3);
        EXPECT_EQ(ControlText(modal, IDC_QUESTION_TEXT), CString("Otázka 2"));
        modal.Click(IDC_BACK);
    });
    EXPECT_EQ(theSettings.m_rightCount + theSettings.m_wrongCount + theSettings.m_testPos, 0);
    EXPECT_FALSE(theSettings.m_bZOnlyNew);
}

TEST_F(AnswerCheckingTest, TheHandShowsOverTheAnswersInExamModeOnly)
{
    FillExamBank(3);
    StoreTest({1});
    const HCURSOR hand = LoadCursorResource(IDC_HAND_ANSWER);
    ASSERT_NE(hand, nullptr);
    for (const bool learning : {false, true}) {
        SCOPED_TRACE(learning ? "learning" : "exam");
        QuestionDialog dialog;
        dialog.m_bLearning = learning;
        RunModal(dialog, [&](ModalDialog& modal) {
            for (const int id : {IDC_ANSWER_A, IDC_ANSWER_B, IDC_ANSWER_C, IDC_QUESTION_TEXT}) {
                QWidget* control = modal.Control(id);
                QTest::mouseMove(control, control->rect().center());
                const QCursor shown = control->cursor();
                if (!learning && id != IDC_QUESTION_TEXT) {
                    EXPECT_EQ(shown.shape(), Qt::BitmapCursor) << "control " << id;
                    EXPECT_EQ(shown.bitmap().toImage(), CursorToQt(hand)->bitmap().toImage());
                } else {
                    EXPECT_EQ(shown.shape(), Qt::ArrowCursor) << "control " << id;
                }
            }
            modal.Key(Qt::Key_Escape);
        });
    }
    DestroyCursor(hand);
}

} // namespace
