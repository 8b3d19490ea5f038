#pragma once
// What the window tests of the modes share: the process-wide records as a fresh start has
// them at the start of each test, the launcher on a bank of the tests' own, and reading what a
// running dialog's controls show beyond their texts.

#include "ExamBank.h"
#include "framework/CFont.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ModalDriver.h"

#include <functional>

class ModesTest : public GuiTest
{
protected:
    void SetUp() override;
};

// Runs body in the launcher on a folder of its own, whose question database is the exam
// bank of size questions.
void FromLauncher(int size, const std::function<void(ModalDialog&)>& body);
// Clicks the launcher's "Učení" or "Zkoušení" (button); setup runs in the set-up that opens,
// which is then confirmed, and question in the question window that follows.
void StartMode(const ModalDialog& launcher, int button, std::function<void(ModalDialog&)> setup,
               std::function<void(ModalDialog&)> question);
// The answer control of answer index 0, 1 or 2.
int AnswerControl(int answer);

// Whether the choice button with this id is checked.
bool ChoiceChecked(const ModalDialog& modal, int id);
// The font the dialog's control-colour handler gives the control, the one its text is painted with.
LOGFONT PaintFont(const ModalDialog& modal, int id);
