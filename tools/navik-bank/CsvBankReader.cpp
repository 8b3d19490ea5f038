#include "tools/navik-bank/CsvBankReader.h"

#include <algorithm>
#include <array>

#include "tools/navik-bank/CsvParser.h"

namespace {

enum Column
{
    kQuestion,
    kAnswerA,
    kAnswerB,
    kAnswerC,
    kCorrect,
    kPicture,
    kColumnCount
};
const std::array<QString, kColumnCount> kColumnNames = {"otazka", "a", "b", "c", "spravna", "obrazek"};
constexpr int kRequiredColumns = kPicture; // every column before the picture

QString ExpectedHeader()
{
    return QStringLiteral("otazka, a, b, c, spravna a případně obrazek, oddělené čárkami nebo středníky");
}

// A header cell as a column name: no blanks around it, lower case, accents dropped.
QString Normal(const QString& name)
{
    QString normal;
    for (const QChar c : name.trimmed().toLower().normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing) {
            normal += c;
        }
    }
    return normal;
}

int ColumnOf(const QString& name)
{
    const auto found = std::find(kColumnNames.begin(), kColumnNames.end(), Normal(name));
    return found == kColumnNames.end() ? -1 : static_cast<int>(found - kColumnNames.begin());
}

// The header's own separator: the candidate under which its first line names more columns.
QChar DetectDelimiter(QStringView text)
{
    const auto lineEnd =
        std::find_if(text.begin(), text.end(), [](QChar c) { return c == u'\r' || c == u'\n'; });
    const QStringView firstLine = text.first(lineEnd - text.begin());
    QChar best = u',';
    int bestCount = -1;
    for (const QChar candidate : {u',', u';'}) {
        int count = 0;
        for (const QStringView name : firstLine.split(candidate)) {
            count += ColumnOf(name.toString().remove(u'"')) >= 0 ? 1 : 0;
        }
        if (count > bestCount) {
            best = candidate;
            bestCount = count;
        }
    }
    return best;
}

// Spreadsheets pad rows with empty cells beyond the table; those cells are not fields.
void DropEmptyTail(QStringList& fields, qsizetype width = 0)
{
    while (fields.size() > width && fields.back().trimmed().isEmpty()) {
        fields.removeLast();
    }
}

// The field of each column in the header, -1 for a column it lacks; nothing when a required
// column is missing or a column is named twice.
std::optional<std::array<int, kColumnCount>> ReadHeader(const QStringList& header, QStringList& errors,
                                                        QStringList& notes)
{
    std::array<int, kColumnCount> fields;
    fields.fill(-1);
    bool ok = true;
    for (qsizetype i = 0; i < header.size(); ++i) {
        const int column = ColumnOf(header[i]);
        if (column < 0) {
            if (!header[i].trimmed().isEmpty()) {
                notes << QStringLiteral("sloupec %1 „%2“ neznám; vynechávám ho")
                             .arg(i + 1)
                             .arg(header[i].trimmed());
            }
        } else if (fields[static_cast<std::size_t>(column)] >= 0) {
            errors << QStringLiteral("záhlaví má sloupec „%1“ dvakrát").arg(kColumnNames[column]);
            ok = false;
        } else {
            fields[static_cast<std::size_t>(column)] = static_cast<int>(i);
        }
    }
    QStringList missing;
    for (int column = 0; column < kRequiredColumns; ++column) {
        if (fields[static_cast<std::size_t>(column)] < 0) {
            missing << QStringLiteral("„%1“").arg(kColumnNames[column]);
        }
    }
    if (!missing.isEmpty()) {
        errors << QStringLiteral("první řádek musí být záhlaví se sloupci %1; chybí %2")
                      .arg(ExpectedHeader(), missing.join(QStringLiteral(", ")));
        ok = false;
    }
    return ok ? std::optional(fields) : std::nullopt;
}

bool IsEmptyRow(const QStringList& fields)
{
    return std::all_of(fields.begin(), fields.end(),
                       [](const QString& field) { return field.trimmed().isEmpty(); });
}

SourceQuestion ToQuestion(const CsvParser::Record& record, const std::array<int, kColumnCount>& fields,
                          int number)
{
    const auto field = [&](Column column) { return record.m_fields.value(fields[column]).trimmed(); };
    SourceQuestion question;
    question.m_nNumber = number;
    question.m_nLine = record.m_nLine;
    question.m_strText = field(kQuestion);
    question.m_answers = {field(kAnswerA), field(kAnswerB), field(kAnswerC)};
    const QString correct = field(kCorrect);
    if (!correct.isEmpty()) {
        question.m_correct = correct;
    }
    question.m_strPicture = fields[kPicture] < 0 ? QString() : field(kPicture);
    return question;
}

// A row too short for a column has lost cells, usually to a separator missing in the sheet; the
// compiler would only see empty texts, so the row says which columns it lacks.
void CheckWidth(const CsvParser::Record& record, const std::array<int, kColumnCount>& fields,
                const QStringList& header, const QString& label, QStringList& errors,
                SourceQuestion& question)
{
    const qsizetype width = record.m_fields.size();
    if (width > header.size()) {
        errors << QStringLiteral("%1: má %2 polí, záhlaví jen %3").arg(label).arg(width).arg(header.size());
        question.m_nReported = SourceQuestion::kAllParts;
        return;
    }
    for (int column = 0; column < kRequiredColumns; ++column) {
        if (fields[static_cast<std::size_t>(column)] >= width) {
            errors << QStringLiteral("%1: chybí sloupec „%2“ (polí v řádku: %3)")
                          .arg(label, header[fields[static_cast<std::size_t>(column)]].trimmed())
                          .arg(width);
            question.MarkReported(column == kQuestion  ? SourceQuestion::kText
                                  : column == kCorrect ? SourceQuestion::kCorrect
                                                       : SourceQuestion::kAnswers);
        }
    }
}

} // namespace

std::optional<std::vector<SourceQuestion>> CsvBankReader::Read(const QString& text, QStringList& errors,
                                                               QStringList& notes)
{
    QString parseError;
    const std::optional<std::vector<CsvParser::Record>> records =
        CsvParser::Parse(text, DetectDelimiter(text), parseError);
    if (!records) {
        errors << parseError;
        return std::nullopt;
    }
    if (records->empty()) {
        errors << QStringLiteral("soubor je prázdný; první řádek musí být záhlaví se sloupci %1")
                      .arg(ExpectedHeader());
        return std::nullopt;
    }
    QStringList header = records->front().m_fields;
    DropEmptyTail(header);
    const std::optional<std::array<int, kColumnCount>> fields = ReadHeader(header, errors, notes);
    if (!fields) {
        return std::nullopt;
    }

    std::vector<SourceQuestion> questions;
    for (auto record = records->begin() + 1; record != records->end(); ++record) {
        if (IsEmptyRow(record->m_fields)) {
            continue;
        }
        CsvParser::Record row = *record;
        DropEmptyTail(row.m_fields, header.size());
        SourceQuestion& question =
            questions.emplace_back(ToQuestion(row, *fields, static_cast<int>(questions.size() + 1)));
        CheckWidth(row, *fields, header, question.Label(), errors, question);
    }
    return questions;
}
