#pragma once
// What the window tests of the modes share: the process-wide records as a fresh start has
// them around each test, a bank of small questions of our own, and reading what a running
// dialog's controls show beyond their texts.

#include "framework/CFont.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ModalDriver.h"

#include <string>
#include <vector>

class ModesTest : public GuiTest
{
protected:
    void SetUp() override;
    void TearDown() override;
};

// Question i of the bank asks "Otázka i" with the answers "Alfa i", "Beta i" and "Gama i";
// its right answer is i % 3.
void FillExamBank(int size);
int RightAnswer(int question);
int WrongAnswer(int question);
// The answer control of answer index 0, 1 or 2.
int AnswerControl(int answer);
// A stored test asking the bank questions of list from position 0, not finished.
void StoreTest(const std::vector<int>& list);
// The bank as a question database file.
void SaveBank(const std::string& path);

// Whether the choice button with this id is checked.
bool ChoiceChecked(const ModalDialog& modal, int id);
// The font the dialog's control-colour handler gives the control, the one its text is painted with.
LOGFONT PaintFont(const ModalDialog& modal, int id);
