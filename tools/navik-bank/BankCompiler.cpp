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
    return QChar::isPrint(codePoint) ? QStringLiteral("\"%1\" (%2)").arg(shown, code) : code;
}

// The text in Windows-1250 bytes as the program can read it back, or nothing with the reason.
std::optional<std::string> Encode(const QString& text, const QString& what, const QString& label,
                                  QStringList& errors)
{
    if (text.contains(QChar(u'\0'))) {
        errors << QStringLiteral("%1: %2 holds a zero character").arg(label, what);
        return std::nullopt;
    }
    char32_t bad = 0;
    const std::optional<QByteArray> bytes = Windows1250Encoder::Encode(text, &bad);
    if (!bytes) {
        errors << QStringLiteral("%1: %2 holds %3, which Windows-1250 cannot hold")
                      .arg(label, what, DescribeCharacter(bad));
        return std::nullopt;
    }
    if (static_cast<std::size_t>(bytes->size()) > QuestionSchema::kMaxTextBytes) {
        errors << QStringLiteral("%1: %2 is %3 bytes long in Windows-1250; at most %4 fit")
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
        errors << QStringLiteral("%1: %2 is empty").arg(label, SourceQuestion::TextName(i));
    } else if (std::optional<std::string> bytes = Encode(text, SourceQuestion::TextName(i), label, errors)) {
        question.m_strText[static_cast<std::size_t>(i)] = std::move(*bytes);
    }
}

void CompileTexts(const SourceQuestion& source, const QString& label, Question& question, QStringList& errors)
{
    CompileText(source.m_strText, 0, label, question, errors);
    if (source.m_answers.size() != 3) {
        errors << QStringLiteral("%1: has %2 answers; exactly 3 are needed")
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
    if (!source.m_correct) {
        errors << QStringLiteral("%1: the correct answer is missing; give a, b or c").arg(label);
        return;
    }
    question.m_nAnswer = BankCompiler::AnswerIndex(*source.m_correct);
    if (question.m_nAnswer < 0) {
        errors
            << QStringLiteral("%1: the correct answer \"%2\" is not a, b or c").arg(label, *source.m_correct);
    }
}

void CompilePicture(const SourceQuestion& source, const QString& label, const QString& picturesDir,
                    Question& question, QStringList& errors)
{
    const QString& name = source.m_strPicture;
    if (name.isEmpty()) {
        return;
    }
    std::optional<std::string> bytes = Encode(name, QStringLiteral("the picture name"), label, errors);
    if (!bytes) {
        return;
    }
    if (!PictureName::PathInFolder(*bytes)) {
        errors << QStringLiteral("%1: the picture name \"%2\" must name a file in the picture folder or a "
                                 "sub-folder of it, without \"..\", \".\", \":\" or a leading, doubled or "
                                 "trailing \"/\" or \"\\\"")
                      .arg(label, name);
        return;
    }
    if (!picturesDir.isEmpty()) {
        const QString problem = PictureFile::Problem(picturesDir, *bytes);
        if (!problem.isEmpty()) {
            errors << QStringLiteral("%1: picture \"%2\": %3").arg(label, name, problem);
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
    const qsizetype errorsBefore = errors.size();
    if (source.empty()) {
        errors << QStringLiteral("the source holds no questions");
    } else if (source.size() > static_cast<std::size_t>(QuestionSchema::kMaxUsableQuestions)) {
        errors << QStringLiteral("the source holds %1 questions; at most %2 fit")
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
    if (errors.size() > errorsBefore) {
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
