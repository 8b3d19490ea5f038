#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

class TreeNode;

// What one navik-bank command printed and returned, for tests that run the commands in-process.
struct BankToolRun
{
    using Command = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

    static BankToolRun Of(Command command, const std::vector<std::string>& arguments);

    int m_nStatus = -1;
    std::string m_strOut;
    std::string m_strErr;
};

// Small file helpers for the tool tests; a file that cannot be read reads as empty.
QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);

// A question node laid out by hand as the program reads it, with the answers "a", "b" and "c".
TreeNode& AddQuestion(TreeNode& root, std::int32_t index, const std::string& text, std::int32_t answer = 0,
                      const std::string& picture = {});
