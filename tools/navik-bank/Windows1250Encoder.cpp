#include "tools/navik-bank/Windows1250Encoder.h"

#include <QList>
#include <QStringEncoder>

#include "tools/navik-bank/Windows1250.h"

namespace {

QByteArray EncodeOrFlag(const QString& text, bool& failed)
{
    QStringEncoder encoder("windows-1250");
    QByteArray bytes = encoder.encode(text);
    failed = encoder.hasError();
    return bytes;
}

} // namespace

std::optional<QByteArray> Windows1250Encoder::Encode(const QString& text, char32_t* firstBad)
{
    bool failed = false;
    QByteArray bytes = EncodeOrFlag(text, failed);
    if (!failed) {
        return bytes;
    }
    // The encoder only says that something failed; find out which character it was.
    if (firstBad) {
        *firstBad = U'\uFFFD';
        for (const uint value : text.toUcs4()) {
            const char32_t codePoint = value;
            EncodeOrFlag(QString::fromUcs4(&codePoint, 1), failed);
            if (failed) {
                *firstBad = codePoint;
                break;
            }
        }
    }
    return std::nullopt;
}

QString Windows1250Encoder::Decode(const std::string& bytes)
{
    return QString::fromStdString(Windows1250ToUtf8(bytes));
}
