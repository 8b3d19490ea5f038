#include "SessionDriver.h"
#include "framework/qt/QtHandles.h"

#include "app/MainDialog.h"
#include "framework/CDialog.h"
#include "model/ModelObjects.h"
#include "modes/RandomIndex.h"
#include "modes/dialogs/QuestionDialog.h"
#include "res/resource.h"
#include "tests/support/ModalDriver.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeySequence>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <climits>

namespace {

// Escape closes every window of the program; more presses than this mean one does not close.
constexpr int kMaxWindDownSteps = 100;
// Launcher, question window and popup; or launcher, About box and its menu.
constexpr int kMaxOpenWindows = 3;
// The actions a failure report lists.
constexpr std::size_t kRecentActions = 12;

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
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible()) {
                Fail("a window is left open after the launcher closed: " + Title(window));
                window->hide();
            }
        }
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
    if (m_failure.empty())
        Check();
    if (!top.menu && QApplication::activeWindow() != top.window)
        QApplication::setActiveWindow(top.window);
    if (!top.menu && !top.dialog)
        Fail("a modal window that belongs to no dialog: " + Title(top.window));
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
        Key(top, Qt::Key_Escape);
}

void SessionDriver::Check()
{
    const Settings& s = theSettings;
    const std::string state = " (m_testCount " + std::to_string(s.m_testCount) + ", m_testPos " +
                              std::to_string(s.m_testPos) + ", m_wrongCount " +
                              std::to_string(s.m_wrongCount) + ", m_rightCount " +
                              std::to_string(s.m_rightCount) + ")";
    // Without a question no exam runs: beside a bank that could not be read the stored test is
    // kept as the file held it, to be saved back unchanged.
    const bool examsRun = theQuestionBank.GetSize() > 0;
    if (examsRun && (s.m_testCount < 0 || s.m_testCount > Settings::kTestCapacity))
        return Fail("m_testCount is outside 0..1000" + state);
    if (examsRun && (s.m_testPos < 0 || s.m_testPos > s.m_testCount))
        return Fail("m_testPos is outside 0..m_testCount" + state);
    if (examsRun &&
        (s.m_wrongCount < 0 || s.m_rightCount < 0 || s.m_wrongCount + s.m_rightCount > s.m_testCount))
        return Fail("more answers are counted than the test has questions" + state);
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
    if (!m_failure.empty())
        return;
    m_failure = "step " + std::to_string(m_nSteps) + ": " + what + "\nlast actions:";
    for (const std::string& action : m_recent)
        m_failure += "\n  " + action;
}

void SessionDriver::Note(const Top& top, const std::string& action)
{
    Remember(std::to_string(m_nSteps) + " in " +
             (top.menu ? std::string("menu") : std::to_string(top.templateId)) + ": " + action);
}

void SessionDriver::Remember(const std::string& action)
{
    m_recent.push_back(action);
    if (m_recent.size() > kRecentActions)
        m_recent.pop_front();
}

// ModalDialog fails the test on a control the dialog does not have.
void SessionDriver::Click(const Top& top, int id)
{
    Note(top, "click " + std::to_string(id));
    ModalDialog(top.window).Click(id);
}

void SessionDriver::ClickAt(const Top& top, QPoint point, Qt::MouseButton button)
{
    Note(top, std::string(button == Qt::LeftButton ? "click" : "right click") + " at " +
                  std::to_string(point.x()) + "," + std::to_string(point.y()));
    // Sent to the window, so the control under the point gets it, as on a screen.
    QTest::mouseClick(top.window, button, Qt::NoModifier, point);
}

void SessionDriver::Key(const Top& top, int key, Qt::KeyboardModifiers modifiers)
{
    Note(top, "key " + QKeySequence(key | int(modifiers)).toString().toStdString());
    ModalDialog(top.window).Key(key, modifiers);
}

void SessionDriver::Type(const Top& top, int id, const QString& text)
{
    Note(top, "type \"" + text.toStdString() + "\" into " + std::to_string(id));
    ModalDialog(top.window).Type(id, text);
}

void SessionDriver::ChooseMenuItem(const Top& top, int position)
{
    QList<QAction*> items;
    for (QAction* action : top.menu->actions()) {
        if (!action->isSeparator() && action->isEnabled())
            items << action;
    }
    if (items.isEmpty()) {
        top.menu->close();
        return;
    }
    QAction* item = items[position % items.size()];
    Note(top, "choose " + item->text().toStdString());
    top.menu->setActiveAction(item);
    QTest::keyClick(top.menu, Qt::Key_Return);
}

void SessionDriver::Close(const Top& top)
{
    Note(top, "close");
    top.window->close();
}

void SessionDriver::Advance(std::time_t seconds)
{
    Remember(std::to_string(m_nSteps) + ": " + std::to_string(seconds) + " s pass");
    m_clock.Advance(seconds);
}

bool SessionDriver::Tick()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || !dynamic_cast<QuestionDialog*>(WindowOf(window)))
            continue;
        for (QTimer* timer : WindowTimers(window)) {
            Note(FindTop(), "tick");
            QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
            return true;
        }
    }
    return false;
}
