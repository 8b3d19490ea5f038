#include "Windows1250.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

std::string Windows1250ToUtf8(std::string_view bytes)
{
    QStringDecoder decoder("windows-1250");
    const QString text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}
