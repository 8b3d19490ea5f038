#pragma once

#include <array>
#include <string>

#include "model/CObject.h"

class TreeNode;

// One exam question as the question database holds it: the question, three answers, which one is
// right and an optional picture. Texts are Windows-1250 bytes. It checks nothing about the values:
// readers must treat m_nAnswer outside 0..2 as "not set".
class Question : public CObject
{
public:
    // Fills the record from one question node (see QuestionSchema); a null node leaves it as it
    // is. Texts missing from the node become empty, numbers missing keep their values.
    void LoadFromNode(const TreeNode* node);
    // Appends the record's values to node; the picture name only for a question with a picture.
    void SaveToNode(TreeNode& node) const;

    // [0] the question, [1] to [3] the answers a) to c).
    std::array<std::string, 4> m_strText;
    // 0, 1 or 2: the right answer is m_strText[m_nAnswer + 1]; -1 not set.
    int m_nAnswer = -1;
    // Non-zero: the question has the picture m_strPicture.
    int m_nPicture = 0;
    std::string m_strPicture;
};
