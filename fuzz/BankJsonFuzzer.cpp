// Arbitrary bytes as a JSON question bank source for navik-bank build.

#include <QByteArray>

#include "BankSourceFuzzCheck.h"
#include "tools/navik-bank/JsonBankReader.h"
#include "tools/navik-bank/SourceText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QStringList errors;
    const SourceText source =
        SourceText::Decode(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const auto read = JsonBankReader::Read(source.m_strText, errors);
    CompileSourceAndCheck(read, errors);
    return 0;
}
