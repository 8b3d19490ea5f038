#include "SessionDriver.h"
#include "framework/qt/QtHandles.h"

#include "app/MainDialog.h"
#include "framework/CDialog.h"
#include "model/ModelObjects.h"
#include "modes/RandomIndex.h"
#include "modes/dialogs/QuestionDialog.h"
#include "modes/dialogs/WrongAnswerDialog.h"
#include "res/resource.h"
#include "tests/support/ModalDriver.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTimer>
#include <QWidget>

#include <climits>

namespace {

// Escape closes every window of the program; more presses than this mean one does not close.
constexpr int kMaxWindDownSteps = 100;
// Launcher, question window and popup; or launcher, About box and its menu.
constexpr int kMaxOpenWindows = 3;

SessionDriver::Top FindTop()
{
    SessionDriver::Top top;
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        top.window = menu;
        top.menu = menu;
        return top;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return top;
    top.window = modal;
    top.dialog = ModalDialog(modal).Dialog();
    top.templateId = top.dialog ? top.dialog->GetTemplateId() : 0;
    return top;
}

// The framework's window timers, which the steps drive instead of the real clock.
QList<QTimer*> WindowTimers(const QWidget* window)
{
    QList<QTimer*> timers;
    for (QTimer* timer : window->findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
        if (timer->isActive() && timer->objectName().startsWith(QStringLiteral("navik.timer.")))
            timers << timer;
    }
    return timers;
}

QtMessageHandler g_previousMessageHandler = nullptr;

// The offscreen platform says so for every popup menu it opens; that is no finding.
void WithoutPlatformLimits(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QStringLiteral("This plugin does not support")) && g_previousMessageHandler)
        g_previousMessageHandler(type, context, message);
}

std::string Title(const QWidget* window)
{
    return window->windowTitle().toStdString() + " (" + window->metaObject()->className() + ")";
}

} // namespace

SessionDriver::SessionDriver(CString exeDir) : m_exeDir(std::move(exeDir)), m_clock(1'700'000'000)
{
    SetRandomDrawSource([this] { return m_draws.Draw(); });
    g_previousMessageHandler = qInstallMessageHandler(WithoutPlatformLimits);
}

SessionDriver::~SessionDriver()
{
    qInstallMessageHandler(g_previousMessageHandler);
    SetRandomDrawSource({});
}

bool SessionDriver::Run(const Policy& policy, int maxSteps)
{
    m_pPolicy = &policy;
    m_nMaxSteps = maxSteps;
    while (m_failure.empty() && !m_bStopping && m_nSteps < m_nMaxSteps) {
        // A fresh start of the program: the records as a new process has them.
        theSettings = Settings();
        theQuestionBank.RemoveAll();
        ++m_nLaunches;
        {
            MainDialog launcher(m_exeDir);
            Schedule();
            launcher.DoModal();
        }
        // A window still open now is GuiTest's finding at the test's end.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    m_pPolicy = nullptr;
    return m_failure.empty();
}

void SessionDriver::Schedule()
{
    // One chain of steps, whichever modal loop runs it.
    if (m_bQueued)
        return;
    m_bQueued = true;
    QTimer::singleShot(0, &m_steps, [this] { Step(); });
}

void SessionDriver::Step()
{
    m_bQueued = false;
    // The exam clock ticks when a step says so (Tick), not when real time says so.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (QTimer* timer : WindowTimers(window)) {
            if (timer->interval() != INT_MAX)
                timer->setInterval(INT_MAX);
        }
    }
    const Top top = FindTop();
    // Queued before the action, which may run a nested modal loop that must go on stepping.
    Schedule();
    if (!top.window)
        return;
    if (top.window != m_lastTop) {
        m_lastTop = top.window;
        ++m_arrivals[top.templateId];
        if (const auto* popup = dynamic_cast<const WrongAnswerDialog*>(top.dialog);
            popup && popup->m_strMessage.find("!!!") != std::string::npos)
            ++m_nTimeOuts;
    }
    if (m_failure.empty())
        Check();
    if (!top.menu && QApplication::activeWindow() != top.window)
        QApplication::setActiveWindow(top.window);
    if (!m_failure.empty() || m_bStopping || m_nSteps >= m_nMaxSteps) {
        WindDown(top);
        return;
    }
    ++m_nSteps;
    (*m_pPolicy)(*this, top);
}

void SessionDriver::WindDown(const Top& top)
{
    if (++m_nWindDownSteps > kMaxWindDownSteps) {
        Fail("Escape does not close " + Title(top.window));
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        while (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            modal->done(-1);
        return;
    }
    if (top.menu)
        top.menu->close();
    else
        ModalDialog(top.window).Key(Qt::Key_Escape);
}

void SessionDriver::Check()
{
    const Settings& s = theSettings;
    const std::string state = " (m_testCount " + std::to_string(s.m_testCount) + ", m_testPos " +
                              std::to_string(s.m_testPos) + ", m_wrongCount " +
                              std::to_string(s.m_wrongCount) + ", m_rightCount " +
                              std::to_string(s.m_rightCount) + ")";
    // The position inside the test, the test inside its array, no more answers than questions.
    const bool inside = s.m_testCount >= 0 && s.m_testCount <= Settings::kTestCapacity && s.m_testPos >= 0 &&
                        s.m_testPos <= s.m_testCount && s.m_wrongCount >= 0 && s.m_rightCount >= 0 &&
                        s.m_wrongCount + s.m_rightCount <= s.m_testCount;
    // Without a question no exam runs: beside a bank that could not be read the stored test is
    // kept as the file held it, to be saved back unchanged.
    if (!inside && theQuestionBank.GetSize() > 0)
        return Fail("the test state is out of its bounds" + state);
    // The used time only grows, until a new test or a correction test starts it again at 0.
    if (m_nTimeOverLaunch == m_nLaunches && s.m_nTimeOver < m_nLastTimeOver && s.m_nTimeOver != 0)
        return Fail("the used time went down from " + std::to_string(m_nLastTimeOver) + " to " +
                    std::to_string(s.m_nTimeOver));
    m_nLastTimeOver = s.m_nTimeOver;
    m_nTimeOverLaunch = m_nLaunches;

    int open = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        ++open;
        CWnd* bound = WindowOf(window);
        if (!qobject_cast<QMenu*>(window) && !dynamic_cast<CDialog*>(bound))
            return Fail("a window that belongs to no dialog is open: " + Title(window));
        const auto* question = dynamic_cast<const QuestionDialog*>(bound);
        const int size = theQuestionBank.GetSize();
        if (!question || size == 0)
            continue;
        const int shown = question->m_nQuestion;
        if (shown < 0 || shown >= size)
            return Fail("the question window shows question " + std::to_string(shown) + " of a bank of " +
                        std::to_string(size));
        // Under a popup the window may still show the question just answered.
        const CString text = question->GetDlgItem(IDC_QUESTION_TEXT)->GetWindowText();
        if (window == QApplication::activeModalWidget() && text != theQuestionBank[shown].m_strText[0])
            return Fail("the question window shows \"" + text + "\" instead of question " +
                        std::to_string(shown) + ", \"" + theQuestionBank[shown].m_strText[0] + "\"");
    }
    if (open > kMaxOpenWindows)
        Fail(std::to_string(open) + " windows are open at once");
}

void SessionDriver::Fail(const std::string& what)
{
    if (m_failure.empty())
        m_failure = "step " + std::to_string(m_nSteps) + ": " + what;
}

void SessionDriver::Tick()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || !dynamic_cast<QuestionDialog*>(WindowOf(window)))
            continue;
        for (QTimer* timer : WindowTimers(window)) {
            QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
            return;
        }
    }
}
