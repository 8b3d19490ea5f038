#include "ExamBank.h"

#include <algorithm>
#include <numeric>
#include <string>

void FillExamBank(QuestionBank& bank, int size)
{
    bank.SetSize(size);
    for (int i = 0; i < size; ++i) {
        const std::string n = std::to_string(i);
        bank[i].m_strText = {"Otázka " + n, "Alfa " + n, "Beta " + n, "Gama " + n};
        bank[i].m_nAnswer = RightAnswer(i);
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

void StoreTest(Settings& s, const std::vector<int>& list)
{
    std::copy(list.begin(), list.end(), s.m_test.begin());
    s.m_testCount = int(list.size());
    s.m_testPos = 0;
    s.m_bZOnlyNew = false;
}

std::vector<int> Range(int count)
{
    std::vector<int> v(static_cast<std::size_t>(count));
    std::iota(v.begin(), v.end(), 0);
    return v;
}

std::vector<int> TestList(const Settings& s)
{
    return {s.m_test.begin(), s.m_test.begin() + s.m_testCount};
}

std::vector<int> WrongList(const Settings& s)
{
    return {s.m_wrong.begin(), s.m_wrong.begin() + s.m_wrongCount};
}
