#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

// Splits CSV text into records as spreadsheets write it (RFC 4180): fields separated by one
// delimiter, quoted fields that may hold delimiters, doubled quotes and line breaks. Records end at
// CRLF, LF or CR. Line breaks inside fields come out as LF whatever the file used, so a bank reads
// the same from every platform.
class CsvParser
{
public:
    struct Record
    {
        int m_nLine = 0; // the line the record starts on, from 1
        QStringList m_fields;
    };

    // Nothing, with the reason in error, for a quoted field that is never closed or is followed by
    // anything but a delimiter or a line break.
    static std::optional<std::vector<Record>> Parse(QStringView text, QChar delimiter, QString& error);

private:
    CsvParser(QStringView text, QChar delimiter) : m_text(text), m_delimiter(delimiter) {}

    bool AtEnd() const { return m_pos >= m_text.size(); }
    bool AtLineBreak() const { return !AtEnd() && (m_text[m_pos] == u'\r' || m_text[m_pos] == u'\n'); }
    void SkipLineBreak();
    bool ReadRecord(Record& record, QString& error);
    bool ReadQuotedField(QString& field, QString& error);
    void ReadPlainField(QString& field);

    QStringView m_text;
    QChar m_delimiter;
    qsizetype m_pos = 0;
    int m_nLine = 1;
};
