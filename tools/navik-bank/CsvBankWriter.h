#pragma once

#include <QByteArray>
#include <QStringList>
#include <vector>

#include "tools/navik-bank/SourceQuestion.h"

// Writes questions as the CSV that CsvBankReader reads and a Czech spreadsheet opens as it is:
// UTF-8 with a byte order mark (so the spreadsheet does not guess the code page), semicolons,
// CRLF, the header otazka;a;b;c;spravna;obrazek, quotes around fields that need them.
class CsvBankWriter
{
public:
    // notes gets a line for each question whose texts a spreadsheet keeps only in part: blanks at
    // either end (the reader trims fields) and carriage returns (line breaks come back as LF).
    static QByteArray Write(const std::vector<SourceQuestion>& questions, QStringList& notes);
};
