#pragma once
// What the exam tests share: a bank of small questions of our own, the process-wide records
// as a fresh start has them, reading controls of a running dialog by id, and reaching the
// windows an exam opens one inside or after another by their template.

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ModalDriver.h"

#include <QObject>

#include <functional>
#include <initializer_list>

// Question i of the bank asks "Otázka i" with the answers "Alfa i", "Beta i" and "Gama i";
// its right answer is i % 3.
void FillExamBank(int size);
int RightAnswer(int question);
int WrongAnswer(int question);
// The answer control of answer index 0, 1 or 2.
int AnswerControl(int answer);
// A stored test asking the bank questions of list from position 0, not finished.
void StoreTest(std::initializer_list<int> list);

// The records and the bank as a new process has them, before and after each test.
class ExamTest : public GuiTest
{
protected:
    void SetUp() override;
    void TearDown() override;
};

// body runs inside the next modal dialog of template templateId that opens, a dialog other
// than the one whose loop runs now.
void OnNextDialog(UINT templateId, std::function<void(ModalDialog&)> body, int timeoutMs = 5000);

CString ControlText(const ModalDialog& modal, int id);
bool ControlEnabled(const ModalDialog& modal, int id);
bool ControlShown(const ModalDialog& modal, int id);
// Whether the choice button with this id is checked.
bool ChoiceChecked(const ModalDialog& modal, int id);
// Runs events until the control's text is text; false after timeoutMs.
bool WaitForText(const ModalDialog& modal, int id, const CString& text, int timeoutMs = 3000);

// Counts the dialogs of one template shown while it exists; with close, it also closes each
// one as Escape would, for dialogs that must not appear.
class DialogCounter : public QObject
{
public:
    explicit DialogCounter(UINT templateId, bool close = false);
    ~DialogCounter() override;
    int Count() const { return m_nCount; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    UINT m_nTemplateId;
    bool m_bClose;
    int m_nCount = 0;
};
