#include "model/Question.h"

#include "storage/TreeNode.h"

void Question::LoadFromNode(const TreeNode* node)
{
    if (!node) {
        return;
    }
    for (int i = 0; i < 4; ++i) {
        node->GetText("text", m_strText[static_cast<std::size_t>(i)], i);
    }
    node->GetInt("odpoved", m_nAnswer, 0);
    node->GetInt("isobr", m_nPicture, 0);
    if (m_nPicture != 0) {
        node->GetText("obrname", m_strPicture, 0);
    }
}
