#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>
#include <string>
#include <vector>

// What one navik-bank command printed and returned, for tests that run the commands in-process.
struct BankToolRun
{
    using Command = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

    static BankToolRun Of(Command command, const std::vector<std::string>& arguments);

    int m_nStatus = -1;
    std::string m_strOut;
    std::string m_strErr;
};

// Small file helpers for the tool tests.
QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);
