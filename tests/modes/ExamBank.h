#pragma once
// What the tests of the modes share without windows: a bank of small questions of their own,
// a stored test on it, and the lists a test leaves in the settings.

#include "model/QuestionBank.h"
#include "model/Settings.h"

#include <vector>

// Question i of the bank asks "Otázka i" with the answers "Alfa i", "Beta i" and "Gama i";
// its right answer is i % 3.
void FillExamBank(QuestionBank& bank, int size);
int RightAnswer(int question);
int WrongAnswer(int question);
// A stored test asking the bank questions of list from position 0, not finished.
void StoreTest(Settings& s, const std::vector<int>& list);
// 0, 1, ... count - 1.
std::vector<int> Range(int count);
// The questions of the stored test, and the wrongly answered ones.
std::vector<int> TestList(const Settings& s);
std::vector<int> WrongList(const Settings& s);
