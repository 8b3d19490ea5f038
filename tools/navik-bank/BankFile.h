#pragma once

#include <QString>

class TreeNode;

// Reads a question database for the commands that inspect one, and says in plain Czech words why
// a file could not be read.
class BankFile
{
public:
    // False, with the reason in error, when the file cannot be opened or is no readable tree file.
    static bool Load(const QString& path, TreeNode& root, QString& error);
};
