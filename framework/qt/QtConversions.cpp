#include "framework/qt/QtConversions.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString FromAnsi(std::string_view ansi)
{
    // Opening the converter costs far more than decoding a caption; a single-byte code page
    // leaves no state behind, so one decoder serves every call.
    thread_local QStringDecoder decoder("windows-1250");
    return decoder.decode(QByteArrayView(ansi.data(), qsizetype(ansi.size())));
}

std::string ToAnsi(const QString& text)
{
    thread_local QStringEncoder encoder("windows-1250", QStringConverter::Flag::ConvertInvalidToNull);
    const QByteArray bytes = encoder.encode(text);
    std::string out(bytes.constData(), std::size_t(bytes.size()));
    // The encoder marks characters it cannot represent with NUL; Windows puts '?' there.
    for (char& c : out) {
        if (c == '\0')
            c = '?';
    }
    return out;
}

std::optional<std::string> ToAnsiExact(const QString& text, char32_t* firstBad)
{
    QStringEncoder encoder("windows-1250");
    const QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError())
        return std::string(bytes.constData(), std::size_t(bytes.size()));
    // The encoder only says that something failed; find out which character it was.
    if (firstBad) {
        *firstBad = U'\uFFFD';
        for (const char32_t codePoint : text.toUcs4()) {
            QStringEncoder single("windows-1250");
            // The encoding runs when its result is taken.
            const QByteArray ignored = single.encode(QString::fromUcs4(&codePoint, 1));
            if (single.hasError()) {
                *firstBad = codePoint;
                break;
            }
        }
    }
    return std::nullopt;
}
