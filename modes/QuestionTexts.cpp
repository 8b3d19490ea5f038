#include "modes/QuestionTexts.h"

#include "model/Question.h"

QuestionTexts TextsOf(const Question& q, bool allAnswers)
{
    QuestionTexts texts;
    texts.question = q.m_strText[0];
    if (allAnswers) {
        texts.answers = {"a) " + q.m_strText[1], "b) " + q.m_strText[2], "c) " + q.m_strText[3]};
    } else if (q.m_nAnswer >= 0 && q.m_nAnswer <= 2) {
        texts.answers[0] = q.m_strText[std::size_t(q.m_nAnswer + 1)];
    }
    return texts;
}
