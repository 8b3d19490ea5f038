#pragma once

class Settings;

// Fills the test list of settings for a new test over a bank of bankSize questions and resets
// the state of the test in progress. The kind of test is m_nZVsechny: 2 a simulated test of
// m_nZPocetOtazek questions, one drawn from each of as many consecutive blocks of the bank;
// 1 the bank shuffled; anything else the bank in order. The list holds at most 1000 questions,
// so the whole-bank kinds use the first 1000 of a larger bank, and a simulated test needs
// 1 <= N <= min(bankSize, 1000). A simulated test outside that range is refused (false): the
// resets stay, the list is left as it was, and the caller tells the user that more questions
// were chosen than the bank holds. The caller seeds the generator first.
bool ComposeTest(Settings& settings, int bankSize);
