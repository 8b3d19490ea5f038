#include "tools/navik-bank/SourceQuestion.h"

namespace {

constexpr int kLabelWords = 6;
constexpr qsizetype kLabelLength = 40;

QString FirstWords(const QString& text)
{
    const QStringList words = text.simplified().split(u' ', Qt::SkipEmptyParts);
    QString start = words.mid(0, kLabelWords).join(u' ');
    const bool cut = words.size() > kLabelWords || start.size() > kLabelLength;
    start.truncate(kLabelLength);
    return cut ? start + QStringLiteral("...") : start;
}

} // namespace

QString SourceQuestion::Label() const
{
    QString label = QStringLiteral("otázka %1").arg(m_nNumber);
    if (m_nLine > 0) {
        label += QStringLiteral(" (řádek %1)").arg(m_nLine);
    }
    const QString start = FirstWords(m_strText);
    label += start.isEmpty() ? QStringLiteral(" (bez textu)") : QStringLiteral(" „%1“").arg(start);
    return label;
}

QString SourceQuestion::TextName(int i)
{
    return i == 0 ? QStringLiteral("text otázky") : QStringLiteral("odpověď %1").arg(QChar(u'a' + i - 1));
}
