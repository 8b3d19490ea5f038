#include "tools/navik-bank/JsonBankWriter.h"

// Written by hand rather than through QJsonDocument, which sorts an object's keys.

namespace {

QByteArray Quoted(const QString& text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                out += QByteArray("\\u00") +
                       QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
            } else {
                out += c;
            }
        }
    }
    return out + '"';
}

} // namespace

QByteArray JsonBankWriter::Write(const std::vector<SourceQuestion>& questions)
{
    QByteArray out = "{\n    \"questions\": [";
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const SourceQuestion& question = questions[i];
        out += i == 0 ? "\n" : ",\n";
        out += "        {\n            \"text\": " + Quoted(question.m_strText) + ",\n";
        out += "            \"answers\": [";
        for (qsizetype answer = 0; answer < question.m_answers.size(); ++answer) {
            out += answer == 0 ? "\n" : ",\n";
            out += "                " + Quoted(question.m_answers[answer]);
        }
        out += "\n            ],\n";
        out += "            \"correct\": " + Quoted(question.m_correct.value_or(QString()));
        if (!question.m_strPicture.isEmpty()) {
            out += ",\n            \"picture\": " + Quoted(question.m_strPicture);
        }
        out += "\n        }";
    }
    out += questions.empty() ? "]\n}\n" : "\n    ]\n}\n";
    return out;
}
