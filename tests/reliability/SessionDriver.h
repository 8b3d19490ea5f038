#pragma once
// Drives the program's real windows as a user does, one action per step, from inside the
// modal loops they run. Sessions start at the launcher on a folder of the test's choosing and
// start again whenever it closes, as a restarted program does. Before every step the driver
// checks what must hold whatever the user does: the test state stays inside its arrays, the
// question on screen is a question of the bank and every window on screen belongs to a
// running dialog. The clock is the test's, and the exam clock ticks only when a step says, so
// a session with the same actions runs the same way every time.

#include "framework/base/CString.h"
#include "modes/RandomGenerator.h"
#include "tests/support/TestSeams.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <ctime>
#include <functional>
#include <map>
#include <string>

class CDialog;
class QMenu;

class SessionDriver
{
public:
    // The window a step acts on: the open popup menu, or else the innermost modal dialog.
    struct Top
    {
        QWidget* window = nullptr;
        QMenu* menu = nullptr;
        CDialog* dialog = nullptr;
        unsigned templateId = 0; // of the dialog; 0 for a menu
    };
    // Does one action on top.
    using Policy = std::function<void(SessionDriver&, const Top&)>;

    explicit SessionDriver(CString exeDir);
    ~SessionDriver();
    SessionDriver(const SessionDriver&) = delete;
    SessionDriver& operator=(const SessionDriver&) = delete;

    // Runs sessions until the policy has acted maxSteps times or called Stop, then closes what
    // is open with Escape. False when a check failed; Failure() says which and at which step.
    bool Run(const Policy& policy, int maxSteps);
    void Stop() { m_bStopping = true; }

    int Steps() const { return m_nSteps; }
    int Launches() const { return m_nLaunches; }
    // How often each window (by template; 0 for a menu) came up, and how often the exam clock
    // ran out.
    const std::map<unsigned, int>& Arrivals() const { return m_arrivals; }
    int TimeOuts() const { return m_nTimeOuts; }
    const std::string& Failure() const { return m_failure; }

    // The clock's actions; the policy acts on the top window with ModalDialog and QTest.
    void Advance(std::time_t seconds) { m_clock.Advance(seconds); }
    // One tick of the exam clock of the open question window, when one runs.
    void Tick();

private:
    void Schedule();
    void Step();
    void WindDown(const Top& top);
    void Check();
    void Fail(const std::string& what);

    CString m_exeDir;
    ClockOverride m_clock;
    MessageBoxRecorder m_boxes;
    UrlRecorder m_urls;
    // Test composition draws from a generator of its own instead of one seeded with the time.
    RandomGenerator m_draws;
    // Owns the queued steps: none outlives the driver.
    QObject m_steps;
    const Policy* m_pPolicy = nullptr;
    int m_nMaxSteps = 0;
    int m_nSteps = 0;
    int m_nLaunches = 0;
    int m_nWindDownSteps = 0;
    int m_nLastTimeOver = 0;
    int m_nTimeOverLaunch = 0;
    QPointer<QWidget> m_lastTop;
    std::map<unsigned, int> m_arrivals;
    int m_nTimeOuts = 0;
    bool m_bQueued = false;
    bool m_bStopping = false;
    std::string m_failure;
};
