#pragma once
// The four texts the question window shows of a question: the question itself and the three
// answer places. With all answers each carries its "a) ", "b) " or "c) "; with the right
// answer alone it stands without a prefix in the first place and the other two are empty.
// Texts are Windows-1250 bytes.

#include <array>
#include <string>

class Question;

struct QuestionTexts
{
    std::string question;
    std::array<std::string, 3> answers;
};

QuestionTexts TextsOf(const Question& question, bool allAnswers);
