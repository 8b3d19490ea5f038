// Learning from the launcher's "Učení": the question window opens where the set-up says, the
// question on screen when it closes is remembered, and nothing of the stored test changes.
// Where learning starts is the navigation's own test; the set-up's choices are the set-up
// keys' test.

#include "ModesGuiSupport.h"

#include "model/ModelObjects.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using LearningFlowTest = ModesTest;

TEST_F(LearningFlowTest, ReopensOnTheLastShownQuestionAndLeavesTheStoredTestAlone)
{
    StoreTest(theSettings, {5, 2});
    Settings& s = theSettings;
    s.m_testPos = 1;
    s.m_nTimeOver = 40;
    s.m_wrong[0] = 5;
    s.m_wrongCount = 1;
    s.m_nZLast = 5;
    const auto state = [&s] {
        return std::tuple(s.m_test, s.m_testCount, s.m_testPos, s.m_wrong, s.m_wrongCount, s.m_rightCount,
                          s.m_nTimeOver, s.m_bZOnlyNew, s.m_nZLast);
    };
    const auto before = state();
    FromLauncher(25, [&](ModalDialog& modal) {
        StartMode(
            modal, IDC_LEARN, [](ModalDialog&) {},
            [](ModalDialog& window) {
                EXPECT_EQ(window.Text(IDC_QUESTION_TEXT), "Otázka 0");
                for (int i = 0; i < 3; ++i)
                    window.Click(IDC_NEXT);
                // Answers are only read: a click or an answer key changes nothing.
                window.Click(IDC_ANSWER_B);
                window.Key(Qt::Key_A);
                EXPECT_EQ(window.Text(IDC_QUESTION_TEXT), "Otázka 3");
                window.Key(Qt::Key_Escape);
            });
        EXPECT_EQ(theSettings.m_nULast, 3);
        StartMode(
            modal, IDC_LEARN, [](ModalDialog& setup) { setup.Click(IDC_START_LAST); },
            [](ModalDialog& window) {
                EXPECT_EQ(window.Text(IDC_QUESTION_TEXT), "Otázka 3");
                window.Key(Qt::Key_End);
                window.Key(Qt::Key_Escape);
            });
        EXPECT_EQ(theSettings.m_nULast, 24);
        modal.Key(Qt::Key_Escape);
    });
    EXPECT_TRUE(state() == before) << "learning changed the stored test";
}

} // namespace
