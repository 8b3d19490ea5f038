#include "ui/AnsiText.h"

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

std::u16string AnsiToUtf16(std::string_view ansi)
{
    QStringDecoder decoder("windows-1250");
    const QString text = decoder(QByteArrayView(ansi.data(), qsizetype(ansi.size())));
    return text.toStdU16String();
}
