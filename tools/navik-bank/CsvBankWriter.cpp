#include "tools/navik-bank/CsvBankWriter.h"

#include <algorithm>

namespace {

QString Field(const QString& text)
{
    if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r')) {
        return text;
    }
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

bool KeptWhole(const QString& text)
{
    return text == text.trimmed() && !text.contains(u'\r');
}

} // namespace

QByteArray CsvBankWriter::Write(const std::vector<SourceQuestion>& questions, QStringList& notes)
{
    QString out = QStringLiteral("otazka;a;b;c;spravna;obrazek\r\n");
    for (const SourceQuestion& question : questions) {
        QStringList fields = {question.m_strText};
        fields << question.m_answers;
        fields << question.m_correct.value_or(QString()) << question.m_strPicture;
        if (!std::all_of(fields.begin(), fields.end(), KeptWhole)) {
            notes << QStringLiteral("%1: mezery na začátku či konci textu a znaky CR se v CSV ztratí; "
                                    "přesnou kopii dá export do JSON")
                         .arg(question.Label());
        }
        for (QString& field : fields) {
            field = Field(field);
        }
        out += fields.join(u';') + QStringLiteral("\r\n");
    }
    return "\xEF\xBB\xBF" + out.toUtf8();
}
