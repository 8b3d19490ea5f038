#pragma once

#include <vector>

#include "tools/navik-bank/BankQuestion.h"

class TreeNode;

// Lays questions out as the program reads its database: "count" on the root, then one child
// "otazka" per question, indexed from 0, with "text" 0 to 3, "odpoved", "isobr" and, for a question
// with a picture, "obrname". Texts are stored without a terminating zero. The layout depends only
// on the questions, so the same questions always give the same file.
class BankWriter
{
public:
    static void Fill(TreeNode& root, const std::vector<BankQuestion>& questions);
};
