#include "tools/navik-bank/CsvParser.h"

std::optional<std::vector<CsvParser::Record>> CsvParser::Parse(QStringView text, QChar delimiter,
                                                               QString& error)
{
    CsvParser parser(text, delimiter);
    std::vector<Record> records;
    // A line break at the very end closes the last record rather than opening an empty one.
    while (!parser.AtEnd()) {
        Record& record = records.emplace_back();
        if (!parser.ReadRecord(record, error)) {
            return std::nullopt;
        }
    }
    return records;
}

void CsvParser::SkipLineBreak()
{
    if (m_text[m_pos] == u'\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n') {
        ++m_pos;
    }
    ++m_pos;
    ++m_nLine;
}

bool CsvParser::ReadRecord(Record& record, QString& error)
{
    record.m_nLine = m_nLine;
    for (;;) {
        QString& field = record.m_fields.emplace_back();
        if (!AtEnd() && m_text[m_pos] == u'"') {
            if (!ReadQuotedField(field, error)) {
                return false;
            }
        } else {
            ReadPlainField(field);
        }
        if (AtEnd()) {
            return true;
        }
        if (AtLineBreak()) {
            SkipLineBreak();
            return true;
        }
        ++m_pos; // the delimiter; the plain and quoted readers stop at nothing else
    }
}

bool CsvParser::ReadQuotedField(QString& field, QString& error)
{
    const int startLine = m_nLine;
    ++m_pos;
    for (;;) {
        if (AtEnd()) {
            error = QStringLiteral("řádek %1: pole v uvozovkách není uzavřeno").arg(startLine);
            return false;
        }
        if (AtLineBreak()) {
            SkipLineBreak();
            field += u'\n';
            continue;
        }
        const QChar c = m_text[m_pos++];
        if (c != u'"') {
            field += c;
        } else if (!AtEnd() && m_text[m_pos] == u'"') {
            field += u'"';
            ++m_pos;
        } else {
            break;
        }
    }
    if (!AtEnd() && !AtLineBreak() && m_text[m_pos] != m_delimiter) {
        error = QStringLiteral("řádek %1: za uzavírací uvozovkou pokračuje text").arg(m_nLine);
        return false;
    }
    return true;
}

void CsvParser::ReadPlainField(QString& field)
{
    // A quote inside an unquoted field is kept as it stands, as spreadsheets read it.
    const qsizetype start = m_pos;
    while (!AtEnd() && !AtLineBreak() && m_text[m_pos] != m_delimiter) {
        ++m_pos;
    }
    field = m_text.sliced(start, m_pos - start).toString();
}
