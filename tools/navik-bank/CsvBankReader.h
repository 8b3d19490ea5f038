#pragma once

#include <QStringList>
#include <optional>
#include <vector>

#include "tools/navik-bank/SourceQuestion.h"

// Reads a bank kept in a spreadsheet and saved as CSV. The first row is the header: the columns
// otazka, a, b, c, spravna and, optionally, obrazek, in any order, matched without regard to
// case, accents and surrounding blanks ("Otázka", "Správná" and "Obrázek" are the same columns);
// its separator, comma or semicolon, is the file's. Columns the header does not know are skipped
// with a note. Rows that are entirely empty are skipped, since spreadsheets tend to leave some at
// the end. Fields are trimmed.
class CsvBankReader
{
public:
    // Nothing, with the reasons in errors, when the text cannot be read as such a table; the
    // questions otherwise, with errors for rows that do not fit the header.
    static std::optional<std::vector<SourceQuestion>> Read(const QString& text, QStringList& errors,
                                                           QStringList& notes);
};
