#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>
#include <vector>

#include "tools/navik-bank/SourceQuestion.h"

// Reads a bank kept in a spreadsheet and saved as CSV (UTF-8, optionally with a byte order mark).
// The first row is the header otazka,a,b,c,spravna,obrazek (the picture column may be left out);
// its separator, comma or semicolon, is the file's. Rows that are entirely empty are skipped,
// since spreadsheets tend to leave some at the end. Fields are trimmed.
class CsvBankReader
{
public:
    // Nothing, with the reasons in errors, when the file cannot be read as such a table.
    static std::optional<std::vector<SourceQuestion>> Read(const QByteArray& csv, QStringList& errors);
};
