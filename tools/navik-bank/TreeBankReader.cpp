#include "tools/navik-bank/TreeBankReader.h"

#include "model/QuestionBank.h"
#include "tools/navik-bank/Windows1250Encoder.h"

std::vector<SourceQuestion> TreeBankReader::Read(const TreeNode& root)
{
    QuestionBank bank;
    bank.LoadFromNode(root);
    std::vector<SourceQuestion> questions(static_cast<std::size_t>(bank.GetSize()));
    for (int i = 0; i < bank.GetSize(); ++i) {
        const Question& stored = bank[i];
        SourceQuestion& question = questions[static_cast<std::size_t>(i)];
        question.m_nNumber = i + 1;
        question.m_strText = Windows1250Encoder::Decode(stored.m_strText[0]);
        for (std::size_t answer = 1; answer < stored.m_strText.size(); ++answer) {
            question.m_answers << Windows1250Encoder::Decode(stored.m_strText[answer]);
        }
        if (stored.m_nAnswer >= 0 && stored.m_nAnswer <= 2) {
            question.m_correct = QString(QChar(u'a' + stored.m_nAnswer));
        }
        question.m_strPicture = Windows1250Encoder::Decode(stored.m_strPicture);
    }
    return questions;
}
