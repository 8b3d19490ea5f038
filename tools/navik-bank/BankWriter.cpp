#include "tools/navik-bank/BankWriter.h"

#include "storage/TreeNode.h"

void BankWriter::Fill(TreeNode& root, const std::vector<BankQuestion>& questions)
{
    root.SetInt("count", static_cast<std::int32_t>(questions.size()), 0);
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const BankQuestion& question = questions[i];
        TreeNode& node = root.AddChild("otazka", static_cast<std::int32_t>(i));
        for (std::size_t text = 0; text < question.m_texts.size(); ++text) {
            node.SetText("text", question.m_texts[text], static_cast<std::int32_t>(text));
        }
        node.SetInt("odpoved", question.m_nAnswer, 0);
        node.SetInt("isobr", question.m_strPicture.empty() ? 0 : 1, 0);
        if (!question.m_strPicture.empty()) {
            node.SetText("obrname", question.m_strPicture, 0);
        }
    }
}
