// A long random session: random clicks, keys, typing, clock jumps and clock ticks over every
// window of the program, the launcher restarted whenever it closes, checked after every step
// by the session driver. Each run is seeded and replays the same way; a failing run prints
// its seed. NAVIK_MONKEY_SEED runs one seed instead of the committed ones, NAVIK_MONKEY_STEPS
// sets its length.

#include "ProgramFolder.h"
#include "SessionDriver.h"
#include "framework/qt/QtHandles.h"

#include "framework/CDialog.h"
#include "res/resource.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ModalDriver.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QWidget>

#include <cstdlib>
#include <map>
#include <random>

namespace {

constexpr int kCommittedSteps = 2500;
const unsigned kCommittedSeeds[] = {1, 2, 3, 4};

// Which folder a seed runs on, so that the seed alone replays a run.
std::pair<Bank, StoredState> ConfigurationOf(unsigned seed)
{
    const Bank banks[] = {Bank::Demo, Bank::Small, Bank::Hostile, Bank::Demo};
    const StoredState states[] = {StoredState::None, StoredState::NearTheClockTop, StoredState::PastEveryEnd,
                                  StoredState::OutsideTheBank, StoredState::TimeIsUp};
    return {banks[seed % std::size(banks)], states[seed / 4 % std::size(states)]};
}

struct KeyStroke
{
    int key;
    Qt::KeyboardModifiers modifiers;
    int weight;
};

const KeyStroke kKeys[] = {
    {Qt::Key_Escape, Qt::NoModifier, 1},     {Qt::Key_Return, Qt::NoModifier, 3},
    {Qt::Key_Space, Qt::NoModifier, 2},      {Qt::Key_Tab, Qt::NoModifier, 2},
    {Qt::Key_Backtab, Qt::ShiftModifier, 1}, {Qt::Key_Left, Qt::NoModifier, 1},
    {Qt::Key_Right, Qt::NoModifier, 2},      {Qt::Key_Up, Qt::NoModifier, 1},
    {Qt::Key_Down, Qt::NoModifier, 1},       {Qt::Key_PageUp, Qt::NoModifier, 1},
    {Qt::Key_PageDown, Qt::NoModifier, 1},   {Qt::Key_Home, Qt::NoModifier, 1},
    {Qt::Key_End, Qt::NoModifier, 1},        {Qt::Key_A, Qt::NoModifier, 2},
    {Qt::Key_B, Qt::NoModifier, 2},          {Qt::Key_C, Qt::NoModifier, 2},
    {Qt::Key_1, Qt::NoModifier, 2},          {Qt::Key_2, Qt::NoModifier, 2},
    {Qt::Key_3, Qt::NoModifier, 2},          {Qt::Key_5, Qt::NoModifier, 1},
    {Qt::Key_Backspace, Qt::NoModifier, 1},  {Qt::Key_Delete, Qt::NoModifier, 1},
    {Qt::Key_F4, Qt::AltModifier, 1},
};

const char* const kCounts[] = {"1",    "2", "3", "5",   "10", "70",         "200",
                               "1000", "0", "",  "abc", "-3", "99999999999"};
const char* const kMinutes[] = {"0", "1", "1", "2", "5", "60", "", "x", "100000", "2147483647"};

// What a user who knows nothing does; answers and confirmations are likelier than the rest,
// so that exams get to their results.
int Weight(unsigned templateId, int id)
{
    static const std::map<int, int> kWeights = {
        {IDC_ANSWER_A, 6},        {IDC_ANSWER_B, 6}, {IDC_ANSWER_C, 6}, {IDC_EXAM, 6},
        {IDC_LEARN, 4},           {IDC_EXIT, 1},     {IDCANCEL, 1},     {IDC_BACK, 1},
        {IDC_CORRECTION_TEST, 3}, {IDOK, 4}};
    if (id == IDOK && templateId == IDD_RESULTS)
        return 2;
    const auto found = kWeights.find(id);
    return found == kWeights.end() ? 2 : found->second;
}

class RandomUser
{
public:
    explicit RandomUser(unsigned seed) : m_random(seed) {}

    void operator()(SessionDriver& driver, const SessionDriver::Top& top)
    {
        const ModalDialog modal(top.window);
        if (top.menu)
            return ChooseAnItem(*top.menu);
        const int roll = Below(100);
        if (roll < 50)
            ClickAControl(top);
        else if (roll < 72)
            PressAKey(modal);
        else if (roll < 80)
            TypeSomething(top);
        else if (roll < 86)
            driver.Advance(Below(4) == 0 ? Below(4000) : Below(90));
        else if (roll < 93)
            driver.Tick();
        else if (roll < 96 && Below(2) == 0)
            modal.Key(Qt::Key_Space, Qt::AltModifier);
        else if (roll < 99)
            QTest::mouseClick(
                top.window, roll < 96 ? Qt::RightButton : Qt::LeftButton, Qt::NoModifier,
                QPoint{Below(std::max(top.window->width(), 1)), Below(std::max(top.window->height(), 1))});
        else
            top.window->close();
    }

private:
    int Below(int n) { return int(m_random() % unsigned(n)); }

    void ChooseAnItem(QMenu& menu)
    {
        if (Below(3) == 0)
            return ModalDialog(&menu).Key(Qt::Key_Escape);
        const int position = Below(8);
        QList<QAction*> items;
        for (QAction* action : menu.actions()) {
            if (!action->isSeparator() && action->isEnabled())
                items << action;
        }
        if (items.isEmpty())
            menu.close();
        else
            ChooseMenuItem(menu, items[position % items.size()]->text());
    }

    void ClickAControl(const SessionDriver::Top& top)
    {
        // Each control as often as its weight.
        std::vector<int> ids;
        for (QWidget* child : top.window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const CWnd* control = WindowOf(child);
            if (control && child->isVisible() && child->isEnabled() && control->GetDlgCtrlID() > 0)
                ids.insert(ids.end(), Weight(top.templateId, control->GetDlgCtrlID()),
                           control->GetDlgCtrlID());
        }
        if (ids.empty())
            return PressAKey(ModalDialog(top.window));
        ModalDialog(top.window).Click(ids[std::size_t(Below(int(ids.size())))]);
    }

    void PressAKey(const ModalDialog& modal)
    {
        int total = 0;
        for (const KeyStroke& stroke : kKeys)
            total += stroke.weight;
        for (int pick = Below(total); const KeyStroke& stroke : kKeys) {
            if ((pick -= stroke.weight) < 0)
                return modal.Key(stroke.key, stroke.modifiers);
        }
    }

    void TypeSomething(const SessionDriver::Top& top)
    {
        const ModalDialog modal(top.window);
        if (top.templateId != IDD_EXAM_SETTINGS)
            return PressAKey(modal);
        if (Below(2) == 0)
            modal.Type(IDC_QUESTION_COUNT, kCounts[Below(int(std::size(kCounts)))]);
        else
            modal.Type(IDC_MINUTES, kMinutes[Below(int(std::size(kMinutes)))]);
    }

    std::mt19937 m_random;
};

using Monkey = GuiTest;

TEST_F(Monkey, LongRandomSessionsBreakNothing)
{
    std::vector<unsigned> seeds(std::begin(kCommittedSeeds), std::end(kCommittedSeeds));
    int steps = kCommittedSteps;
    if (const char* seed = std::getenv("NAVIK_MONKEY_SEED"))
        seeds = {unsigned(std::strtoul(seed, nullptr, 10))};
    if (const char* given = std::getenv("NAVIK_MONKEY_STEPS"))
        steps = std::atoi(given);

    std::map<unsigned, int> arrivals;
    int timeOuts = 0;
    int launches = 0;
    int total = 0;
    for (const unsigned seed : seeds) {
        const auto [bank, state] = ConfigurationOf(seed);
        ProgramFolder folder(bank, state);
        SessionDriver driver(folder.Dir());
        RandomUser user(seed);
        EXPECT_TRUE(driver.Run(std::ref(user), steps))
            << "monkey seed " << seed << " on the " << Name(bank) << " with " << Name(state) << ": "
            << driver.Failure() << "\nreplay: NAVIK_MONKEY_SEED=" << seed << " NAVIK_MONKEY_STEPS=" << steps;
        total += driver.Steps();
        launches += driver.Launches();
        timeOuts += driver.TimeOuts();
        for (const auto& [id, count] : driver.Arrivals())
            arrivals[id] += count;
    }

    if (seeds.size() == std::size(kCommittedSeeds) && steps == kCommittedSteps) {
        // The committed runs reach every window, restarts and time-outs; a change that stops
        // them from doing so makes the session weaker and shows here.
        EXPECT_EQ(total, steps * int(seeds.size()));
        EXPECT_GT(launches, int(seeds.size()));
        EXPECT_GT(timeOuts, 0);
        for (const unsigned id : {0u, unsigned(IDD_ABOUTBOX), unsigned(IDD_MAIN), unsigned(IDD_QUESTION),
                                  unsigned(IDD_LEARN_SETTINGS), unsigned(IDD_EXAM_SETTINGS),
                                  unsigned(IDD_WRONG_ANSWER), unsigned(IDD_RESULTS)})
            EXPECT_GT(arrivals[id], 0) << "window " << id << " never came up";
    }
}

} // namespace
