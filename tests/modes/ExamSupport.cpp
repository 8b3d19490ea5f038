#include "ExamSupport.h"
#include "framework/qt/QtHandles.h"

#include "framework/CDialog.h"
#include "model/ModelObjects.h"
#include "res/resource.h"
#include "ui/ChoiceButton.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kPollMs = 5;

const CDialog* DialogOf(const QWidget* widget)
{
    return widget ? dynamic_cast<const CDialog*>(WindowOf(widget)) : nullptr;
}

const CWnd* Item(const ModalDialog& modal, int id)
{
    const CWnd* control = modal.Dialog() ? modal.Dialog()->GetDlgItem(id) : nullptr;
    if (!control)
        ADD_FAILURE() << "no control " << id;
    return control;
}

} // namespace

void FillExamBank(int size)
{
    theQuestionBank.SetSize(size);
    for (int i = 0; i < size; ++i) {
        Question& q = theQuestionBank[i];
        const std::string n = std::to_string(i);
        q.m_strText = {"Otázka " + n, "Alfa " + n, "Beta " + n, "Gama " + n};
        q.m_nAnswer = RightAnswer(i);
    }
}

int RightAnswer(int question)
{
    return question % 3;
}

int WrongAnswer(int question)
{
    return (question + 1) % 3;
}

int AnswerControl(int answer)
{
    const int controls[3] = {IDC_ANSWER_A, IDC_ANSWER_B, IDC_ANSWER_C};
    return controls[answer];
}

void StoreTest(std::initializer_list<int> list)
{
    Settings& s = theSettings;
    s.m_testCount = 0;
    for (int question : list)
        s.m_test[std::size_t(s.m_testCount++)] = question;
    s.m_testPos = 0;
    s.m_bZOnlyNew = false;
}

void ExamTest::SetUp()
{
    theSettings = Settings();
    theQuestionBank.RemoveAll();
}

void ExamTest::TearDown()
{
    GuiTest::TearDown();
    theSettings = Settings();
    theQuestionBank.RemoveAll();
}

void OnNextDialog(UINT templateId, std::function<void(ModalDialog&)> body, int timeoutMs)
{
    QPointer<QWidget> before = QApplication::activeModalWidget();
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        const CDialog* dialog = DialogOf(modal);
        const bool found =
            modal && modal != before && modal->isVisible() && dialog && dialog->GetTemplateId() == templateId;
        if (!found && clock->elapsed() < timeoutMs)
            return;
        timer->stop();
        timer->deleteLater();
        delete clock;
        if (!found) {
            ADD_FAILURE() << "no dialog " << templateId << " opened within " << timeoutMs << " ms";
            return;
        }
        QApplication::setActiveWindow(modal);
        ModalDialog window(modal);
        body(window);
    });
    timer->start(kPollMs);
}

CString ControlText(const ModalDialog& modal, int id)
{
    const CWnd* control = Item(modal, id);
    return control ? control->GetWindowText() : CString();
}

bool ControlEnabled(const ModalDialog& modal, int id)
{
    const CWnd* control = Item(modal, id);
    return control && control->IsWindowEnabled();
}

bool ControlShown(const ModalDialog& modal, int id)
{
    const CWnd* control = Item(modal, id);
    return control && control->IsWindowVisible();
}

bool ChoiceChecked(const ModalDialog& modal, int id)
{
    const auto* choice = dynamic_cast<const ChoiceButton*>(Item(modal, id));
    if (!choice)
        ADD_FAILURE() << "control " << id << " is no choice button";
    return choice && choice->IsChecked();
}

bool WaitForText(const ModalDialog& modal, int id, const CString& text, int timeoutMs)
{
    return QTest::qWaitFor([&] { return ControlText(modal, id) == text; }, timeoutMs);
}

DialogCounter::DialogCounter(UINT templateId, bool close) : m_nTemplateId(templateId), m_bClose(close)
{
    qApp->installEventFilter(this);
}

DialogCounter::~DialogCounter()
{
    qApp->removeEventFilter(this);
}

bool DialogCounter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        const auto* widget = qobject_cast<const QWidget*>(watched);
        const CDialog* dialog = widget && widget->isWindow() ? DialogOf(widget) : nullptr;
        if (dialog && dialog->GetTemplateId() == m_nTemplateId) {
            ++m_nCount;
            if (m_bClose) {
                QPointer<QDialog> shown = qobject_cast<QDialog*>(const_cast<QWidget*>(widget));
                QTimer::singleShot(0, [shown] {
                    if (shown)
                        shown->reject();
                });
            }
        }
    }
    return false;
}
