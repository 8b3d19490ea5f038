#include "tools/navik-bank/Windows1250Encoder.h"

#include "framework/qt/QtConversions.h"

std::optional<QByteArray> Windows1250Encoder::Encode(const QString& text, char32_t* firstBad)
{
    const std::optional<std::string> bytes = ToAnsiExact(text, firstBad);
    if (!bytes)
        return std::nullopt;
    return QByteArray(bytes->data(), qsizetype(bytes->size()));
}

QString Windows1250Encoder::Decode(const std::string& bytes)
{
    return FromAnsi(bytes);
}
