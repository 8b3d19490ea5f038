#include "model/Question.h"

#include "model/QuestionSchema.h"
#include "storage/TreeNode.h"

static_assert(std::tuple_size_v<decltype(Question::m_strText)> == QuestionSchema::kTextCount);

void Question::LoadFromNode(const TreeNode* node)
{
    if (!node) {
        return;
    }
    for (int i = 0; i < QuestionSchema::kTextCount; ++i) {
        node->GetText(QuestionSchema::kText, m_strText[static_cast<std::size_t>(i)], i);
    }
    node->GetInt(QuestionSchema::kAnswer, m_nAnswer, 0);
    node->GetInt(QuestionSchema::kHasPicture, m_nPicture, 0);
    if (m_nPicture != 0) {
        node->GetText(QuestionSchema::kPictureName, m_strPicture, 0);
    }
}

void Question::SaveToNode(TreeNode& node) const
{
    for (int i = 0; i < QuestionSchema::kTextCount; ++i) {
        node.SetText(QuestionSchema::kText, m_strText[static_cast<std::size_t>(i)], i);
    }
    node.SetInt(QuestionSchema::kAnswer, m_nAnswer, 0);
    node.SetInt(QuestionSchema::kHasPicture, m_nPicture, 0);
    if (m_nPicture != 0) {
        node.SetText(QuestionSchema::kPictureName, m_strPicture, 0);
    }
}
