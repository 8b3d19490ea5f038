#pragma once

#include <vector>

#include "tools/navik-bank/SourceQuestion.h"

class TreeNode;

// Reads the questions back out of a database tree, as the program loads them, into their source
// form: Unicode texts and the correct letter. Meant for a bank that BankChecker has passed.
class TreeBankReader
{
public:
    static std::vector<SourceQuestion> Read(const TreeNode& root);
};
