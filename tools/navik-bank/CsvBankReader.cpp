#include "tools/navik-bank/CsvBankReader.h"

#include <QStringDecoder>
#include <algorithm>

#include "tools/navik-bank/CsvParser.h"

namespace {

const QStringList kColumns = {"otazka", "a", "b", "c", "spravna", "obrazek"};
constexpr qsizetype kRequiredColumns = 5; // the picture column is optional

// Spreadsheets pad rows with empty cells beyond the table; those cells are not columns.
void DropEmptyTail(QStringList& fields, qsizetype columns)
{
    while (fields.size() > columns && fields.back().trimmed().isEmpty()) {
        fields.removeLast();
    }
}

bool IsHeader(QStringList names)
{
    for (QString& name : names) {
        name = name.trimmed().toLower();
    }
    DropEmptyTail(names, kRequiredColumns);
    return names.size() >= kRequiredColumns && names.size() <= kColumns.size() &&
           names == kColumns.first(names.size());
}

// The header's own separator: the candidate that splits the first line into the column names.
std::optional<QChar> DetectDelimiter(QStringView text)
{
    const auto lineEnd =
        std::find_if(text.begin(), text.end(), [](QChar c) { return c == u'\r' || c == u'\n'; });
    const QStringView firstLine = text.first(lineEnd - text.begin());
    for (const QChar candidate : {u',', u';'}) {
        QStringList names;
        for (const QStringView name : firstLine.split(candidate)) {
            names << name.trimmed().toString().remove(u'"');
        }
        if (IsHeader(names)) {
            return candidate;
        }
    }
    return std::nullopt;
}

bool IsEmptyRow(const QStringList& fields)
{
    return std::all_of(fields.begin(), fields.end(),
                       [](const QString& field) { return field.trimmed().isEmpty(); });
}

SourceQuestion ToQuestion(const CsvParser::Record& record, int number)
{
    SourceQuestion question;
    question.m_nNumber = number;
    question.m_nLine = record.m_nLine;
    question.m_strText = record.m_fields.value(0).trimmed();
    for (int i = 1; i <= 3; ++i) {
        question.m_answers << record.m_fields.value(i).trimmed();
    }
    const QString correct = record.m_fields.value(4).trimmed();
    if (!correct.isEmpty()) {
        question.m_correct = correct;
    }
    question.m_strPicture = record.m_fields.value(5).trimmed();
    return question;
}

} // namespace

std::optional<std::vector<SourceQuestion>> CsvBankReader::Read(const QByteArray& csv, QStringList& errors)
{
    QStringDecoder decoder(QStringConverter::Utf8);
    QString text = decoder.decode(csv);
    if (decoder.hasError()) {
        errors << QStringLiteral("the file is not valid UTF-8 (save the sheet as \"CSV UTF-8\")");
        return std::nullopt;
    }
    if (text.startsWith(QChar::ByteOrderMark)) {
        text.remove(0, 1);
    }
    const std::optional<QChar> delimiter = DetectDelimiter(text);
    if (!delimiter) {
        errors << QStringLiteral("the first row must be the header otazka,a,b,c,spravna,obrazek "
                                 "(separated by commas or semicolons)");
        return std::nullopt;
    }
    QString parseError;
    std::optional<std::vector<CsvParser::Record>> records = CsvParser::Parse(text, *delimiter, parseError);
    if (!records) {
        errors << parseError;
        return std::nullopt;
    }
    // Detected on the raw first line; the parsed header confirms it.
    QStringList& header = records->front().m_fields;
    if (!IsHeader(header)) {
        errors << QStringLiteral("the header row otazka,a,b,c,spravna,obrazek is not plain text");
        return std::nullopt;
    }
    DropEmptyTail(header, kRequiredColumns);
    const qsizetype columns = header.size();

    std::vector<SourceQuestion> questions;
    bool ok = true;
    for (auto record = records->begin() + 1; record != records->end(); ++record) {
        if (IsEmptyRow(record->m_fields)) {
            continue;
        }
        DropEmptyTail(record->m_fields, columns);
        const SourceQuestion& question =
            questions.emplace_back(ToQuestion(*record, static_cast<int>(questions.size() + 1)));
        // Missing cells at the end read as empty ones; the compiler names the empty texts.
        if (record->m_fields.size() > columns) {
            errors << QStringLiteral("%1: has %2 columns, the header has %3")
                          .arg(question.Label())
                          .arg(record->m_fields.size())
                          .arg(columns);
            ok = false;
        }
    }
    if (!ok) {
        return std::nullopt;
    }
    return questions;
}
