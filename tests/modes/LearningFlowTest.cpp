// Learning from the launcher's "Učení": the set-up dialog shows and writes the choices, the
// question window opens where they say, the question on screen when it closes is
// remembered, and nothing of the stored test changes.

#include "ModesGuiSupport.h"

#include "app/MainDialog.h"
#include "model/ModelObjects.h"
#include "modes/dialogs/LearnSettingsDialog.h"
#include "res/resource.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

namespace {

// Everything an unfinished test consists of.
auto TestState(const Settings& s)
{
    return std::tuple(s.m_test, s.m_testCount, s.m_testPos, s.m_wrong, s.m_wrongCount, s.m_rightCount,
                      s.m_nTimeOver, s.m_bZOnlyNew, s.m_nZLast);
}

class LearningFlowTest : public ModesTest
{
protected:
    void SetUp() override
    {
        ModesTest::SetUp();
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QFile::copy(NAVIK_TEST_DIST_DIR "/Demootazky.dat", m_dir.filePath("Demootazky.dat")));
    }

    // Opens the launcher on the folder, runs body inside it and closes it with Escape.
    void RunLauncher(const std::function<void(ModalDialog&)>& body) const
    {
        MainDialog launcher(m_dir.path().toStdString() + "/");
        RunModal(launcher, [&](ModalDialog& modal) {
            body(modal);
            modal.Key(Qt::Key_Escape);
        });
    }

    // "Učení" from the launcher: setup runs in the set-up dialog, which it must close;
    // question runs in the question window, which is closed with Escape after it.
    static void Learn(const ModalDialog& launcher, const std::function<void(ModalDialog&)>& setup,
                      const std::function<void(ModalDialog&)>& question)
    {
        OnNextModal([setup, question](ModalDialog& modal) {
            OnNextModal([question](ModalDialog& window) {
                question(window);
                window.Key(Qt::Key_Escape);
            });
            setup(modal);
        });
        launcher.Click(IDC_LEARN);
    }

    QTemporaryDir m_dir;
};

TEST_F(LearningFlowTest, SetupShowsTheStoredChoicesAndOnlyOkWritesThem)
{
    using Choices = std::vector<bool>;
    // Reads the choices shown, picks the two others and closes with the button close, or
    // with Escape for 0.
    const auto choose = [](int close, Choices* shown) {
        return [close, shown](ModalDialog& modal) {
            *shown = {ChoiceChecked(modal, IDC_SHOW_ALL), ChoiceChecked(modal, IDC_SHOW_CORRECT),
                      ChoiceChecked(modal, IDC_START_FIRST), ChoiceChecked(modal, IDC_START_LAST)};
            modal.Click(IDC_SHOW_CORRECT);
            modal.Click(IDC_START_LAST);
            if (close != 0)
                modal.Click(close);
            else
                modal.Key(Qt::Key_Escape);
        };
    };
    theSettings.m_nULast = 7;
    Choices shown;

    for (int close : {IDCANCEL, 0}) {
        LearnSettingsDialog cancelled;
        EXPECT_EQ(RunModal(cancelled, choose(close, &shown)), IDCANCEL);
        EXPECT_EQ(shown, (Choices{true, false, true, false}));
        EXPECT_TRUE(theSettings.m_bUShowAll);
        EXPECT_EQ(theSettings.m_nUZacatek, 0);
    }

    LearnSettingsDialog confirmed;
    EXPECT_EQ(RunModal(confirmed, choose(IDOK, &shown)), IDOK);
    EXPECT_FALSE(theSettings.m_bUShowAll);
    EXPECT_EQ(theSettings.m_nUZacatek, 1);
    EXPECT_EQ(theSettings.m_nULast, 7);

    LearnSettingsDialog reopened;
    RunModal(reopened, choose(IDCANCEL, &shown));
    EXPECT_EQ(shown, (Choices{false, true, false, true}));
}

TEST_F(LearningFlowTest, ReopensOnTheLastShownQuestionAndLeavesTheStoredTestAlone)
{
    theSettings.m_test[0] = 5;
    theSettings.m_test[1] = 2;
    theSettings.m_testCount = 2;
    theSettings.m_testPos = 1;
    theSettings.m_bZOnlyNew = false;
    theSettings.m_nTimeOver = 40;
    theSettings.m_wrong[0] = 5;
    theSettings.m_wrongCount = 1;
    theSettings.m_nZLast = 5;

    RunLauncher([this](ModalDialog& launcher) {
        ASSERT_GT(theQuestionBank.GetSize(), 20);
        const auto before = TestState(theSettings);
        const CString third = theQuestionBank[3].m_strText[0];

        Learn(
            launcher, [](ModalDialog& setup) { setup.Click(IDOK); },
            [](ModalDialog& window) {
                EXPECT_EQ(window.Text(IDC_QUESTION_TEXT), theQuestionBank[0].m_strText[0]);
                for (int i = 0; i < 3; ++i)
                    window.Click(IDC_NEXT);
                // Answers are only read: a click or an answer key changes nothing.
                window.Click(IDC_ANSWER_B);
                window.Key(Qt::Key_A);
                EXPECT_EQ(window.Text(IDC_QUESTION_TEXT), theQuestionBank[3].m_strText[0]);
            });
        EXPECT_EQ(theSettings.m_nULast, 3);

        Learn(
            launcher,
            [](ModalDialog& setup) {
                setup.Click(IDC_START_LAST);
                setup.Click(IDOK);
            },
            [&third](ModalDialog& window) {
                EXPECT_EQ(window.Text(IDC_QUESTION_TEXT), third);
                window.Key(Qt::Key_End);
            });
        EXPECT_EQ(theSettings.m_nULast, theQuestionBank.GetSize() - 1);
        EXPECT_TRUE(TestState(theSettings) == before) << "learning changed the stored test";
    });
}

} // namespace
