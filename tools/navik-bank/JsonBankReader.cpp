#include "tools/navik-bank/JsonBankReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace {

const QStringList kQuestionKeys = {"text", "answers", "correct", "picture"};

int LineOfOffset(const QByteArray& json, int offset)
{
    return static_cast<int>(json.first(qBound(0, offset, static_cast<int>(json.size()))).count('\n')) + 1;
}

bool IsHex(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// The UTF-16 unit of the \u escape at text[at] ("\uXXXX"), or -1 when it has no four hex digits.
int EscapedUnit(QStringView text, qsizetype at)
{
    if (at + 6 > text.size() || text[at] != u'\\' || text[at + 1] != u'u') {
        return -1;
    }
    const QStringView digits = text.sliced(at + 2, 4);
    if (!std::all_of(digits.begin(), digits.end(), IsHex)) {
        return -1;
    }
    return digits.toInt(nullptr, 16);
}

// Qt's parser takes an undefined escape such as \q as the bare letter and keeps a lone half of a
// UTF-16 pair; both lose what the author meant, so every such escape is named with its line.
bool CheckEscapes(QStringView text, QStringList& errors)
{
    bool ok = true;
    bool inString = false;
    int line = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n') {
            ++line;
        } else if (c == u'"') {
            inString = !inString;
        } else if (inString && c == u'\\' && i + 1 < text.size()) {
            const QChar kind = text[i + 1];
            qsizetype length = 2;
            QString problem;
            if (kind == u'u') {
                const int unit = EscapedUnit(text, i);
                if (unit < 0) {
                    problem = QStringLiteral("za \\u musí následovat čtyři šestnáctkové číslice");
                    length = std::min<qsizetype>(6, text.size() - i);
                } else if (unit >= 0xD800 && unit <= 0xDBFF) {
                    const int low = EscapedUnit(text, i + 6);
                    length = low >= 0xDC00 && low <= 0xDFFF ? 12 : 6;
                    if (length == 6) {
                        problem = QStringLiteral("první polovina páru UTF-16 bez druhé");
                    }
                } else {
                    length = 6;
                    if (unit >= 0xDC00 && unit <= 0xDFFF) {
                        problem = QStringLiteral("druhá polovina páru UTF-16 bez první");
                    }
                }
            } else if (!QStringView(u"\"\\/bfnrt").contains(kind)) {
                problem = QStringLiteral("JSON takovou sekvenci nezná");
            }
            if (!problem.isEmpty()) {
                errors << QStringLiteral("řádek %1: neplatná sekvence „%2“: %3")
                              .arg(line)
                              .arg(text.sliced(i, length).toString(), problem);
                ok = false;
            }
            i += length - 1;
        }
    }
    return ok;
}

// The string field key; none when it is absent or null, and an error when it is something else.
std::optional<QString> ReadString(const QJsonObject& object, const QString& key, SourceQuestion::Part part,
                                  SourceQuestion& question, QStringList& errors)
{
    const QJsonValue field = object.value(key);
    if (field.isString()) {
        return field.toString();
    }
    if (!field.isUndefined() && !field.isNull()) {
        errors << QStringLiteral("%1: „%2“ musí být řetězec").arg(question.Label(), key);
        question.MarkReported(part);
    }
    return std::nullopt;
}

void ReadAnswers(const QJsonObject& object, const QString& label, SourceQuestion& question,
                 QStringList& errors)
{
    const QJsonValue field = object.value(u"answers");
    if (field.isUndefined()) {
        return;
    }
    if (!field.isArray()) {
        errors << QStringLiteral("%1: „answers“ musí být pole řetězců").arg(label);
        question.MarkReported(SourceQuestion::kAnswers);
        return;
    }
    const QJsonArray array = field.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        if (!array[i].isString()) {
            errors << QStringLiteral("%1: odpověď %2 musí být řetězec").arg(label).arg(i + 1);
            question.MarkReported(SourceQuestion::kAnswers);
        }
        question.m_answers << array[i].toString();
    }
}

void ReadQuestion(const QJsonValue& element, SourceQuestion& question, QStringList& errors)
{
    if (!element.isObject()) {
        errors << QStringLiteral("otázka %1: musí být objekt").arg(question.m_nNumber);
        question.m_nReported = SourceQuestion::kAllParts;
        return;
    }
    const QJsonObject object = element.toObject();
    // The text first, so the other messages can quote it.
    question.m_strText =
        ReadString(object, "text", SourceQuestion::kText, question, errors).value_or(QString());
    const QString label = question.Label();
    ReadAnswers(object, label, question, errors);
    question.m_correct = ReadString(object, "correct", SourceQuestion::kCorrect, question, errors);
    question.m_strPicture =
        ReadString(object, "picture", SourceQuestion::kPicture, question, errors).value_or(QString());
    for (const QString& key : object.keys()) {
        if (!kQuestionKeys.contains(key)) {
            errors << QStringLiteral("%1: neznámé pole „%2“").arg(label, key);
        }
    }
}

} // namespace

std::optional<std::vector<SourceQuestion>> JsonBankReader::Read(const QString& text, QStringList& errors)
{
    if (!CheckEscapes(text, errors)) {
        return std::nullopt;
    }
    const QByteArray json = text.toUtf8();
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        errors << QStringLiteral("neplatný JSON na řádku %1: %2")
                      .arg(LineOfOffset(json, parseError.offset))
                      .arg(parseError.errorString());
        return std::nullopt;
    }
    const QJsonObject top = document.object();
    if (!document.isObject() || !top.value(u"questions").isArray()) {
        errors << QStringLiteral("nejvyšší úroveň musí být objekt s polem „questions“");
        return std::nullopt;
    }
    for (const QString& key : top.keys()) {
        if (key != u"questions") {
            errors << QStringLiteral("neznámé pole „%1“ na nejvyšší úrovni").arg(key);
        }
    }
    const QJsonArray array = top.value(u"questions").toArray();
    std::vector<SourceQuestion> questions(static_cast<std::size_t>(array.size()));
    for (qsizetype i = 0; i < array.size(); ++i) {
        SourceQuestion& question = questions[static_cast<std::size_t>(i)];
        question.m_nNumber = static_cast<int>(i + 1);
        ReadQuestion(array[i], question, errors);
    }
    return questions;
}
