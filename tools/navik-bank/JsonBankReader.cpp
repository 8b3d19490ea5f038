#include "tools/navik-bank/JsonBankReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QStringList kQuestionKeys = {"text", "answers", "correct", "picture"};

int LineOfOffset(const QByteArray& json, int offset)
{
    return static_cast<int>(json.first(qBound(0, offset, static_cast<int>(json.size()))).count('\n')) + 1;
}

// The string field key, or none when it is absent or null; an error when it is something else.
std::optional<QString> ReadString(const QJsonObject& object, const QString& key, const QString& label,
                                  bool& ok, QStringList& errors)
{
    const QJsonValue field = object.value(key);
    if (field.isString()) {
        return field.toString();
    }
    if (!field.isUndefined() && !field.isNull()) {
        errors << QStringLiteral("%1: \"%2\" must be a string").arg(label, key);
        ok = false;
    }
    return std::nullopt;
}

bool ReadAnswers(const QJsonObject& object, const QString& label, QStringList& answers, QStringList& errors)
{
    const QJsonValue field = object.value(u"answers");
    if (field.isUndefined()) {
        return true;
    }
    if (!field.isArray()) {
        errors << QStringLiteral("%1: \"answers\" must be an array of strings").arg(label);
        return false;
    }
    bool ok = true;
    const QJsonArray array = field.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        if (!array[i].isString()) {
            errors << QStringLiteral("%1: answer %2 must be a string").arg(label).arg(i + 1);
            ok = false;
        }
        answers << array[i].toString();
    }
    return ok;
}

bool ReadQuestion(const QJsonValue& element, SourceQuestion& question, QStringList& errors)
{
    if (!element.isObject()) {
        errors << QStringLiteral("question %1: must be an object").arg(question.m_nNumber);
        return false;
    }
    const QJsonObject object = element.toObject();
    bool ok = true;
    // The text first, so the other messages can quote it.
    question.m_strText = ReadString(object, "text", question.Label(), ok, errors).value_or(QString());
    const QString label = question.Label();
    ok = ReadAnswers(object, label, question.m_answers, errors) && ok;
    question.m_correct = ReadString(object, "correct", label, ok, errors);
    question.m_strPicture = ReadString(object, "picture", label, ok, errors).value_or(QString());
    for (const QString& key : object.keys()) {
        if (!kQuestionKeys.contains(key)) {
            errors << QStringLiteral("%1: unknown field \"%2\"").arg(label, key);
            ok = false;
        }
    }
    return ok;
}

} // namespace

std::optional<std::vector<SourceQuestion>> JsonBankReader::Read(const QByteArray& json, QStringList& errors)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        errors << QStringLiteral("not valid JSON at line %1: %2")
                      .arg(LineOfOffset(json, parseError.offset))
                      .arg(parseError.errorString());
        return std::nullopt;
    }
    const QJsonObject top = document.object();
    if (!document.isObject() || !top.value(u"questions").isArray()) {
        errors << QStringLiteral("the top level must be an object with a \"questions\" array");
        return std::nullopt;
    }
    bool ok = true;
    for (const QString& key : top.keys()) {
        if (key != u"questions") {
            errors << QStringLiteral("unknown field \"%1\" at the top level").arg(key);
            ok = false;
        }
    }
    const QJsonArray array = top.value(u"questions").toArray();
    std::vector<SourceQuestion> questions(static_cast<std::size_t>(array.size()));
    for (qsizetype i = 0; i < array.size(); ++i) {
        SourceQuestion& question = questions[static_cast<std::size_t>(i)];
        question.m_nNumber = static_cast<int>(i + 1);
        ok = ReadQuestion(array[i], question, errors) && ok;
    }
    if (!ok) {
        return std::nullopt;
    }
    return questions;
}
