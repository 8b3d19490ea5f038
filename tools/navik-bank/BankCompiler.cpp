#include "tools/navik-bank/BankCompiler.h"

#include "model/PictureName.h"
#include "model/QuestionSchema.h"
#include "tools/navik-bank/PictureFile.h"
#include "tools/navik-bank/Windows1250Encoder.h"

namespace {

QString DescribeCharacter(char32_t codePoint)
{
    const QString shown = QString::fromUcs4(&codePoint, 1);
    const QString code =
        QStringLiteral("U+%1").arg(static_cast<uint>(codePoint), 4, 16, QChar(u'0')).toUpper();
    return QChar::isPrint(codePoint) ? QStringLiteral("„%1“ (%2)").arg(shown, code) : code;
}

// The text in Windows-1250 bytes as the program can read it back, or nothing with the reason.
// Accents typed as separate combining marks, as text copied from a PDF often has them, are
// composed first: Windows-1250 has a byte for "č", not for "c" followed by a caron.
std::optional<std::string> Encode(const QString& source, const QString& what, const QString& label,
                                  QStringList& errors)
{
    const QString text = source.normalized(QString::NormalizationForm_C);
    if (text.contains(QChar(u'\0'))) {
        errors << QStringLiteral("%1: %2 obsahuje nulový znak").arg(label, what);
        return std::nullopt;
    }
    char32_t bad = 0;
    const std::optional<QByteArray> bytes = Windows1250Encoder::Encode(text, &bad);
    if (!bytes) {
        errors << QStringLiteral("%1: %2 obsahuje %3, který ve Windows-1250 není")
                      .arg(label, what, DescribeCharacter(bad));
        return std::nullopt;
    }
    if (static_cast<std::size_t>(bytes->size()) > QuestionSchema::kMaxTextBytes) {
        errors << QStringLiteral("%1: %2 má ve Windows-1250 %3 bajtů; vejde se nejvýš %4")
                      .arg(label, what)
                      .arg(bytes->size())
                      .arg(QuestionSchema::kMaxTextBytes);
        return std::nullopt;
    }
    return bytes->toStdString();
}

void CompileText(const QString& text, int i, const QString& label, Question& question, QStringList& errors)
{
    if (text.trimmed().isEmpty()) {
        errors << QStringLiteral("%1: %2 nic neobsahuje").arg(label, SourceQuestion::TextName(i));
    } else if (std::optional<std::string> bytes = Encode(text, SourceQuestion::TextName(i), label, errors)) {
        question.m_strText[static_cast<std::size_t>(i)] = std::move(*bytes);
    }
}

void CompileTexts(const SourceQuestion& source, const QString& label, Question& question, QStringList& errors)
{
    if (!source.Reported(SourceQuestion::kText)) {
        CompileText(source.m_strText, 0, label, question, errors);
    }
    if (source.Reported(SourceQuestion::kAnswers)) {
        return;
    }
    if (source.m_answers.size() != 3) {
        errors << QStringLiteral("%1: počet odpovědí je %2; musí být právě 3")
                      .arg(label)
                      .arg(source.m_answers.size());
        return;
    }
    for (int i = 1; i <= 3; ++i) {
        CompileText(source.m_answers[i - 1], i, label, question, errors);
    }
}

void CompileAnswer(const SourceQuestion& source, const QString& label, Question& question,
                   QStringList& errors)
{
    if (source.Reported(SourceQuestion::kCorrect)) {
        return;
    }
    if (!source.m_correct) {
        errors << QStringLiteral("%1: chybí správná odpověď; uveďte a, b nebo c").arg(label);
        return;
    }
    question.m_nAnswer = BankCompiler::AnswerIndex(*source.m_correct);
    if (question.m_nAnswer < 0) {
        errors << QStringLiteral("%1: správná odpověď „%2“ není a, b ani c").arg(label, *source.m_correct);
    }
}

// The picture's name as the bank stores it: authors often write the file's whole name, and the
// program adds ".gif" itself.
QString StoredPictureName(const QString& written)
{
    const QString suffix = QStringLiteral(".gif");
    return written.endsWith(suffix, Qt::CaseInsensitive) ? written.chopped(suffix.size()) : written;
}

void CompilePicture(const SourceQuestion& source, const QString& label, const QString& picturesDir,
                    Question& question, QStringList& errors)
{
    const QString name = StoredPictureName(source.m_strPicture.trimmed());
    if (name.isEmpty() || source.Reported(SourceQuestion::kPicture)) {
        return;
    }
    if (name.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        errors << QStringLiteral("%1: obrázek „%2“ je PNG; program ukazuje jen GIF: převeďte ho do GIF "
                                 "a uveďte jeho název bez přípony")
                      .arg(label, name);
        return;
    }
    std::optional<std::string> bytes = Encode(name, QStringLiteral("název obrázku"), label, errors);
    if (!bytes) {
        return;
    }
    if (!PictureName::PathInFolder(*bytes)) {
        errors << QStringLiteral("%1: název obrázku „%2“ musí určovat soubor ve složce obrázků nebo v její "
                                 "podsložce: bez částí „..“ a „.“, bez „:“ a bez „/“ či „\\“ na začátku, "
                                 "na konci nebo dvakrát za sebou")
                      .arg(label, name);
        return;
    }
    if (!picturesDir.isEmpty()) {
        const QString problem = PictureFile::Problem(picturesDir, *bytes);
        if (!problem.isEmpty()) {
            errors << QStringLiteral("%1: obrázek „%2“: %3").arg(label, name, problem);
            return;
        }
    }
    question.m_nPicture = 1;
    question.m_strPicture = std::move(*bytes);
}

} // namespace

std::optional<QuestionBank> BankCompiler::Compile(const std::vector<SourceQuestion>& source,
                                                  const QString& picturesDir, QStringList& errors)
{
    if (source.empty()) {
        errors << QStringLiteral("zdroj neobsahuje žádnou otázku");
    } else if (source.size() > static_cast<std::size_t>(QuestionSchema::kMaxUsableQuestions)) {
        errors << QStringLiteral("zdroj obsahuje %1 otázek; vejde se nejvýš %2")
                      .arg(source.size())
                      .arg(QuestionSchema::kMaxUsableQuestions);
    }
    QuestionBank bank;
    bank.SetSize(static_cast<int>(source.size()));
    for (int i = 0; i < bank.GetSize(); ++i) {
        const SourceQuestion& question = source[static_cast<std::size_t>(i)];
        const QString label = question.Label();
        CompileTexts(question, label, bank[i], errors);
        CompileAnswer(question, label, bank[i], errors);
        CompilePicture(question, label, picturesDir, bank[i], errors);
    }
    if (!errors.isEmpty()) {
        return std::nullopt;
    }
    return bank;
}

int BankCompiler::AnswerIndex(const QString& letter)
{
    const QString normal = letter.trimmed().toLower();
    if (normal.size() != 1 || normal[0] < u'a' || normal[0] > u'c') {
        return -1;
    }
    return normal[0].unicode() - u'a';
}
