#include "ui/AnsiText.h"

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

std::u16string AnsiToUtf16(std::string_view ansi)
{
    // Opening the converter costs more than decoding a caption; a single-byte code page leaves
    // no state behind, so one decoder serves every call.
    thread_local QStringDecoder decoder("windows-1250");
    const QString text = decoder(QByteArrayView(ansi.data(), qsizetype(ansi.size())));
    return text.toStdU16String();
}
