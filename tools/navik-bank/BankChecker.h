#pragma once

#include <QString>
#include <QStringList>

class TreeNode;

// Looks at a database tree the way the program loads it and names everything the program would
// stumble over: a "count" it cannot use or that does not match the "otazka" children, questions
// with missing or empty texts, answer indices outside 0..2, picture names it cannot open and,
// when a picture folder is given, pictures that are missing or no GIFs.
class BankChecker
{
public:
    // One line per finding, in Czech; empty when the bank is fine. An empty picturesDir skips the
    // files.
    static QStringList Check(const TreeNode& root, const QString& picturesDir);
};
