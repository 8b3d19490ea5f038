#include "tools/navik-bank/SourceText.h"

#include <QStringDecoder>

#include "tools/navik-bank/Windows1250Encoder.h"

SourceText SourceText::Decode(const QByteArray& bytes)
{
    SourceText source;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    source.m_strText = utf8.decode(bytes);
    if (utf8.hasError()) {
        source.m_strText = Windows1250Encoder::Decode(bytes.toStdString());
        source.m_bWindows1250 = true;
    }
    if (source.m_strText.startsWith(QChar::ByteOrderMark)) {
        source.m_strText.remove(0, 1);
    }
    return source;
}
