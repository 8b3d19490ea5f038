#pragma once

#include <string>
#include <vector>

#include "model/Question.h"

class TreeNode;

// All questions in database order; a question's position here is its bank index, by which the
// rest of the program refers to it. Filled once from the question database, then only read.
class QuestionBank
{
public:
    int GetSize() const { return static_cast<int>(m_questions.size()); }
    // Raises std::out_of_range for an index outside the bank rather than reading past it.
    const Question& operator[](int index) const;
    Question& operator[](int index);

    void RemoveAll();
    void SetSize(int size);

    // Refills the bank from a database root: "count" questions, question i from the first child
    // "otazka" with index i. A negative count is 0; a count above
    // QuestionSchema::kMaxStoredQuestions empties the bank.
    void LoadFromNode(const TreeNode& root);
    // Appends "count" and one child "otazka" per question, in bank order, to root.
    void SaveToNode(TreeNode& root) const;

private:
    std::vector<Question> m_questions;
};

// Reads the question database at path into bank. Raises CFileException when the file cannot be
// opened; a file that is not a readable tree file leaves the bank empty.
void LoadQuestionDatabase(const std::string& path, QuestionBank& bank);
