// Arbitrary bytes as a CSV question bank source for navik-bank build, as a spreadsheet saves it.

#include <QByteArray>

#include "BankSourceFuzzCheck.h"
#include "tools/navik-bank/CsvBankReader.h"
#include "tools/navik-bank/SourceText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QStringList errors;
    QStringList notes;
    const SourceText source =
        SourceText::Decode(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const auto read = CsvBankReader::Read(source.m_strText, errors, notes);
    CompileSourceAndCheck(read, errors);
    return 0;
}
