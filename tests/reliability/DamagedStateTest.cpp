// Damaged stored state: the program started on settings files whose persisted members are
// hostile (negative, huge, past the arrays, outside the bank, under other type codes) and on
// question banks with hostile counts, indices, answers and pictures, then led through
// learning and every exam path: the stored test continued, a simulated test checked at the
// end, a shuffled test against the clock until it times out, a test left early, each with a
// correction test, then a restart. The session driver checks every step; under the
// sanitizers any read outside an array ends the run.

#include "ProgramFolder.h"
#include "SessionDriver.h"
#include "SettingsRecords.h"

#include "framework/CDialog.h"
#include "model/ModelObjects.h"
#include "model/PersistedSettings.h"
#include "modes/dialogs/QuestionDialog.h"
#include "res/resource.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ModalDriver.h"

#include <QPointer>
#include <QWidget>

#include <deque>
#include <functional>
#include <map>
#include <vector>

namespace {

constexpr int kMaxSteps = 3000;

using Top = SessionDriver::Top;
using Action = std::function<void(const ModalDialog&)>;

Action ClickOn(int id)
{
    return [id](const ModalDialog& modal) { modal.Click(id); };
}

Action TypeInto(int id, const char* text)
{
    return [id, text](const ModalDialog& modal) { modal.Type(id, text); };
}

Action Press(int key)
{
    return [key](const ModalDialog& modal) { modal.Key(key); };
}

enum class Answering
{
    InTurn,
    ThenLeave,       // two answers, then some time and the window is left early
    AgainstTheClock, // one answer, then the clock runs out
};

// A walk from the launcher: its button and, for an exam, the set-up and how it is answered.
struct Path
{
    int button;
    std::vector<Action> setUp = {};
    Answering answering = Answering::InTurn;
};

const Path kLearn = {IDC_LEARN};
// "Pokračovat v předešlém" where it is offered.
const Path kAsStored = {IDC_EXAM, {ClickOn(IDC_CONTINUE_TEST), ClickOn(IDOK)}, Answering::ThenLeave};

const Path kPaths[] = {
    kLearn,
    kAsStored,
    {IDC_EXAM,
     {ClickOn(IDC_NEW_TEST), ClickOn(IDC_ORDER_SIMULATED), TypeInto(IDC_QUESTION_COUNT, "3"),
      ClickOn(IDC_CHECK_AT_END), ClickOn(IDC_TIME_UNLIMITED), ClickOn(IDOK)}},
    {IDC_EXAM,
     {ClickOn(IDC_NEW_TEST), ClickOn(IDC_ORDER_RANDOM), ClickOn(IDC_CHECK_EACH), ClickOn(IDC_TIME_LIMITED),
      TypeInto(IDC_MINUTES, "1"), TypeInto(IDC_QUESTION_COUNT, "1"), ClickOn(IDOK)},
     Answering::AgainstTheClock},
    {IDC_EXAM,
     {ClickOn(IDC_NEW_TEST), ClickOn(IDC_ORDER_SEQUENTIAL), ClickOn(IDC_CHECK_EACH),
      ClickOn(IDC_TIME_UNLIMITED), TypeInto(IDC_QUESTION_COUNT, "1"), ClickOn(IDOK)},
     Answering::ThenLeave},
    // "Konec", then the program starts again on what it saved.
    {IDC_EXIT},
    kAsStored,
    kLearn,
};

// Walks the paths in order; within a window it runs the window's script for the path, and
// once that is done does what the path needs next, up to Escape.
class ScriptedUser
{
public:
    void operator()(SessionDriver& driver, const Top& top)
    {
        if (top.window != m_current) {
            m_current = top.window;
            m_script = ScriptFor(top);
            m_bFellBack = false;
        }
        if (!m_script.empty()) {
            const Action action = m_script.front();
            m_script.pop_front();
            return action(ModalDialog(top.window));
        }
        NextStep(driver, top, ModalDialog(top.window));
    }

    int m_nLearningWindows = 0;
    bool m_bFinished = false;

private:
    std::deque<Action> ScriptFor(const Top& top)
    {
        switch (top.templateId) {
        case IDD_LEARN_SETTINGS:
            return {ClickOn(IDC_START_LAST), ClickOn(IDC_SHOW_CORRECT), ClickOn(IDOK)};
        case IDD_EXAM_SETTINGS:
            return {m_path->setUp.begin(), m_path->setUp.end()};
        case IDD_QUESTION:
            if (static_cast<QuestionDialog*>(top.dialog)->m_bLearning) {
                ++m_nLearningWindows;
                return {Press(Qt::Key_End),    Press(Qt::Key_Right), Press(Qt::Key_PageDown),
                        Press(Qt::Key_Home),   Press(Qt::Key_Left),  Press(Qt::Key_PageUp),
                        ClickOn(IDC_NEXT_TEN), ClickOn(IDC_LAST),    ClickOn(IDC_NEXT),
                        ClickOn(IDC_PREV_TEN), ClickOn(IDC_FIRST),   ClickOn(IDC_BACK)};
            }
            return {};
        case IDD_WRONG_ANSWER:
            return {ClickOn(IDOK)};
        case IDD_RESULTS:
            m_nAnswers = 0;
            m_nTicks = 0;
            if (m_nCorrections > 0 && top.dialog->GetDlgItem(IDC_CORRECTION_TEST)->IsWindowEnabled()) {
                --m_nCorrections;
                return {ClickOn(IDC_CORRECTION_TEST)};
            }
            return {ClickOn(IDOK)};
        default:
            return {};
        }
    }

    void NextStep(SessionDriver& driver, const Top& top, const ModalDialog& modal)
    {
        switch (top.templateId) {
        case IDD_MAIN:
            return StartNextPath(driver, modal);
        case IDD_QUESTION:
            return Answer(driver, modal);
        case IDD_EXAM_SETTINGS:
            // The stored choices could not be confirmed (a count the bank cannot serve): once a
            // new test of one question, then give up.
            if (!m_bFellBack) {
                m_bFellBack = true;
                m_script = {ClickOn(IDC_NEW_TEST), TypeInto(IDC_QUESTION_COUNT, "1"), ClickOn(IDOK)};
                return operator()(driver, top);
            }
            return modal.Key(Qt::Key_Escape);
        default:
            return modal.Key(Qt::Key_Escape);
        }
    }

    void StartNextPath(SessionDriver& driver, const ModalDialog& modal)
    {
        if (m_nNext == std::size(kPaths)) {
            m_bFinished = true;
            driver.Stop();
            return modal.Click(IDC_EXIT);
        }
        m_path = &kPaths[m_nNext++];
        m_nAnswers = 0;
        m_nTicks = 0;
        m_nCorrections = 1;
        modal.Click(m_path->button);
    }

    void Answer(SessionDriver& driver, const ModalDialog& modal)
    {
        const int answerKeys[] = {Qt::Key_B, Qt::Key_1, Qt::Key_C};
        const int key = answerKeys[m_nAnswers % 3];
        switch (m_path->answering) {
        case Answering::ThenLeave:
            // The time that passes is added to the used time.
            if (m_nAnswers++ < 2)
                return modal.Key(key);
            driver.Advance(10);
            return modal.Click(IDC_BACK);
        case Answering::AgainstTheClock:
            if (m_nAnswers++ < 1 || m_nTicks >= 3)
                return modal.Key(key);
            ++m_nTicks;
            driver.Advance(3600);
            driver.Tick();
            return;
        case Answering::InTurn:
            ++m_nAnswers;
            return modal.Key(key);
        }
    }

    QPointer<QWidget> m_current;
    std::deque<Action> m_script;
    bool m_bFellBack = false;
    std::size_t m_nNext = 0;
    const Path* m_path = &kLearn;
    int m_nAnswers = 0;
    int m_nTicks = 0;
    int m_nCorrections = 0;
};

class DamagedState : public GuiTest, public testing::WithParamInterface<std::tuple<Bank, StoredState>>
{
};

TEST_P(DamagedState, StartingLearningAndEveryExamPathWork)
{
    const auto [bank, state] = GetParam();
    SCOPED_TRACE(std::string("on the ") + Name(bank) + " with " + Name(state));
    ProgramFolder folder(bank, state);
    const Settings before = state == StoredState::None ? Settings() : LoadRecord(folder.SettingsFile());
    SessionDriver driver(folder.Dir());
    ScriptedUser user;
    ASSERT_TRUE(driver.Run(std::ref(user), kMaxSteps)) << driver.Failure();
    EXPECT_TRUE(user.m_bFinished) << "the paths did not end within " << kMaxSteps << " steps";
    EXPECT_EQ(driver.Launches(), 2);

    const auto exams = std::count_if(std::begin(kPaths), std::end(kPaths),
                                     [](const Path& path) { return path.button == IDC_EXAM; });
    std::map<unsigned, int> arrivals = driver.Arrivals();
    if (bank != Bank::Empty && bank != Bank::NotATree) {
        EXPECT_EQ(user.m_nLearningWindows, 2);
        // Each exam path and, where an answer was wrong, its correction test end in the results.
        EXPECT_GE(arrivals[IDD_RESULTS], exams);
        EXPECT_GE(driver.TimeOuts(), 1);
    } else {
        EXPECT_EQ(arrivals[IDD_QUESTION] + arrivals[IDD_RESULTS], 0);
    }

    // What "Konec" stored is a state the program would offer again as it is; beside a bank
    // that could not be read it is the stored state itself, which no answer could change.
    const Settings saved = LoadRecord(folder.SettingsFile());
    Settings expected = bank == Bank::NotATree ? before : saved;
    if (bank != Bank::NotATree)
        expected.FitToBank(theQuestionBank.GetSize());
    EXPECT_TRUE(PersistedSettings::Same(saved, expected));
}

INSTANTIATE_TEST_SUITE_P(HostileFiles, DamagedState,
                         testing::Combine(testing::Values(Bank::Demo, Bank::Small, Bank::Hostile,
                                                          Bank::HugeCount, Bank::Empty, Bank::NotATree),
                                          testing::Values(StoredState::None, StoredState::PastEveryEnd,
                                                          StoredState::OutsideTheBank, StoredState::AtItsEnd,
                                                          StoredState::NearTheClockTop, StoredState::TimeIsUp,
                                                          StoredState::AllNegative,
                                                          StoredState::WrongTypes)));

} // namespace
