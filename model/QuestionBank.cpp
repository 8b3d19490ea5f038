#include "model/QuestionBank.h"

#include "model/QuestionSchema.h"
#include "storage/TreeNode.h"

const Question& QuestionBank::operator[](int index) const
{
    return m_questions.at(static_cast<std::size_t>(index));
}

Question& QuestionBank::operator[](int index)
{
    return m_questions.at(static_cast<std::size_t>(index));
}

void QuestionBank::RemoveAll()
{
    m_questions.clear();
}

void QuestionBank::SetSize(int size)
{
    m_questions.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
}

void QuestionBank::LoadFromNode(const TreeNode& root)
{
    std::int32_t count = 0;
    root.GetInt(QuestionSchema::kCount, count, 0);
    if (count < 0 || count > QuestionSchema::kMaxStoredQuestions) {
        count = 0;
    }
    RemoveAll();
    SetSize(count);

    // The first child named "otazka" with index i, found in one pass over the children instead
    // of one search per question, which a large damaged file would make quadratic.
    std::vector<const TreeNode*> children(static_cast<std::size_t>(count), nullptr);
    for (std::size_t i = 0; i < root.GetChildCount(); ++i) {
        const TreeNode& child = root.GetChildAt(i);
        const std::int32_t index = child.GetIndex();
        if (index >= 0 && index < count && child.GetName() == QuestionSchema::kQuestion &&
            !children[static_cast<std::size_t>(index)]) {
            children[static_cast<std::size_t>(index)] = &child;
        }
    }
    for (int i = 0; i < count; ++i) {
        m_questions[static_cast<std::size_t>(i)].LoadFromNode(children[static_cast<std::size_t>(i)]);
    }
}

void QuestionBank::SaveToNode(TreeNode& root) const
{
    root.SetInt(QuestionSchema::kCount, GetSize(), 0);
    for (int i = 0; i < GetSize(); ++i) {
        m_questions[static_cast<std::size_t>(i)].SaveToNode(root.AddChild(QuestionSchema::kQuestion, i));
    }
}

void LoadQuestionDatabase(const std::string& path, QuestionBank& bank)
{
    TreeNode root;
    root.LoadFile(path);
    bank.LoadFromNode(root);
}
