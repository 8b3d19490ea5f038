#include "tools/navik-bank/SourceText.h"

#include <QStringDecoder>

#include "tools/navik-bank/Windows1250Encoder.h"

SourceText SourceText::Decode(const QByteArray& bytes)
{
    SourceText source;
    // The decoder skips a byte order mark at the start.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    source.m_strText = utf8.decode(bytes);
    if (utf8.hasError()) {
        source.m_strText = Windows1250Encoder::Decode(bytes.toStdString());
        source.m_bWindows1250 = true;
    }
    return source;
}
