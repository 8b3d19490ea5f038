#include "tools/navik-bank/BankChecker.h"

#include <algorithm>
#include <map>

#include "model/PictureName.h"
#include "model/Question.h"
#include "model/QuestionSchema.h"
#include "storage/TreeNode.h"
#include "tools/navik-bank/PictureFile.h"
#include "tools/navik-bank/SourceQuestion.h"
#include "tools/navik-bank/Windows1250Encoder.h"

namespace {

using namespace QuestionSchema;

// A value name as messages quote it.
QString Quoted(const char* name)
{
    return QStringLiteral("„%1“").arg(QString::fromLatin1(name));
}

QString DescribeValue(const TreeNode& node, const std::string& name, std::int32_t index)
{
    const TreeValue& value = node.GetValueAt(static_cast<std::size_t>(node.FindValue(name, index)));
    return QStringLiteral("typ %1, %2 bajtů").arg(value.GetType()).arg(value.GetSize());
}

// The number of questions the program would load, or -1 when it would load none.
int CheckCount(const TreeNode& root, QStringList& findings)
{
    const QString consequence = QStringLiteral("program neuvidí žádnou otázku");
    std::int32_t count = 0;
    if (root.FindValue(kCount, 0) < 0) {
        findings << QStringLiteral("%1 chybí; %2").arg(Quoted(kCount), consequence);
        return -1;
    }
    if (!root.GetInt(kCount, count, 0)) {
        findings << QStringLiteral("%1 není celé číslo (%2); %3")
                        .arg(Quoted(kCount), DescribeValue(root, kCount, 0), consequence);
        return -1;
    }
    if (count <= 0 || count > kMaxStoredQuestions) {
        findings << QStringLiteral("%1 je %2; %3").arg(Quoted(kCount)).arg(count).arg(consequence);
        return -1;
    }
    if (count > kMaxUsableQuestions) {
        findings << QStringLiteral("databáze má otázek: %1; test jich pojme nejvýš %2")
                        .arg(count)
                        .arg(kMaxUsableQuestions);
    }
    return count;
}

QString Range(std::int64_t first, std::int64_t last)
{
    return first == last ? QString::number(first) : QStringLiteral("%1-%2").arg(first).arg(last);
}

// The first "otazka" child of each index, as the program finds them; later ones and those outside
// 0..count-1 are never read.
std::map<std::int32_t, const TreeNode*> CheckChildren(const TreeNode& root, int count, QStringList& findings)
{
    std::map<std::int32_t, const TreeNode*> questions;
    for (std::size_t i = 0; i < root.GetChildCount(); ++i) {
        const TreeNode& child = root.GetChildAt(i);
        if (child.GetName() != kQuestion) {
            continue;
        }
        const std::int32_t index = child.GetIndex();
        if (!questions.emplace(index, &child).second) {
            findings << QStringLiteral("%1 %2 je tu víckrát; program čte jen první")
                            .arg(Quoted(kQuestion))
                            .arg(index);
        } else if (count > 0 && (index < 0 || index >= count)) {
            findings << QStringLiteral("%1 %2 leží mimo 0..%3 a program ji nikdy neukáže")
                            .arg(Quoted(kQuestion))
                            .arg(index)
                            .arg(count - 1);
        }
    }
    if (count <= 0) {
        return {};
    }
    // Report the gaps as ranges, so a huge count with few children stays a short report.
    QStringList gaps;
    std::int64_t next = 0;
    for (const auto& [index, node] : questions) {
        if (index >= count) {
            break;
        }
        if (index > next) {
            gaps << Range(next, index - 1);
        }
        next = std::max<std::int64_t>(next, std::int64_t{index} + 1);
    }
    if (next < count) {
        gaps << Range(next, count - 1);
    }
    if (!gaps.isEmpty()) {
        findings << QStringLiteral("%1 %2 chybí; ty otázky budou prázdné")
                        .arg(Quoted(kQuestion), gaps.join(u", "));
    }
    std::erase_if(questions, [count](const auto& entry) { return entry.first < 0 || entry.first >= count; });
    return questions;
}

void CheckTexts(const TreeNode& node, const QString& label, QStringList& findings)
{
    for (std::int32_t i = 0; i < kTextCount; ++i) {
        const QString what = SourceQuestion::TextName(i);
        std::string text;
        if (node.FindValue(kText, i) < 0) {
            findings << QStringLiteral("%1: %2 chybí").arg(label, what);
        } else if (!node.GetText(kText, text, i)) {
            findings
                << QStringLiteral("%1: %2 není text (%3)").arg(label, what, DescribeValue(node, kText, i));
        } else if (Windows1250Encoder::Decode(text).trimmed().isEmpty()) {
            findings << QStringLiteral("%1: %2 nic neobsahuje").arg(label, what);
        } else {
            const TreeValue& value = node.GetValueAt(static_cast<std::size_t>(node.FindValue(kText, i)));
            // A terminating zero is allowed; text after a zero, or beyond the buffer, is lost.
            const std::size_t stored =
                static_cast<std::size_t>(value.GetSize()) - (value.GetBytes().back() == 0 ? 1 : 0);
            if (stored > text.size()) {
                findings << QStringLiteral("%1: %2 – přečte se jen %3 z %4 bajtů")
                                .arg(label, what)
                                .arg(text.size())
                                .arg(stored);
            }
        }
    }
}

void CheckAnswer(const TreeNode& node, const QString& label, QStringList& findings)
{
    std::int32_t answer = -1;
    if (node.FindValue(kAnswer, 0) < 0) {
        findings << QStringLiteral("%1: správná odpověď (%2) chybí").arg(label, Quoted(kAnswer));
    } else if (!node.GetInt(kAnswer, answer, 0)) {
        findings << QStringLiteral("%1: správná odpověď (%2) není celé číslo (%3)")
                        .arg(label, Quoted(kAnswer), DescribeValue(node, kAnswer, 0));
    } else if (answer < 0 || answer > 2) {
        findings << QStringLiteral("%1: index správné odpovědi %2 leží mimo 0..2").arg(label).arg(answer);
    }
}

void CheckPicture(const TreeNode& node, const Question& question, const QString& label,
                  const QString& picturesDir, QStringList& findings)
{
    std::int32_t flag = 0;
    if (node.FindValue(kHasPicture, 0) >= 0 && !node.GetInt(kHasPicture, flag, 0)) {
        findings << QStringLiteral("%1: příznak obrázku (%2) není celé číslo (%3)")
                        .arg(label, Quoted(kHasPicture), DescribeValue(node, kHasPicture, 0));
    }
    if (question.m_nPicture == 0) {
        return;
    }
    const QString name = Windows1250Encoder::Decode(question.m_strPicture);
    if (name.isEmpty()) {
        findings << QStringLiteral("%1: má obrázek, ale ne jeho název (%2)").arg(label, Quoted(kPictureName));
    } else if (!PictureName::PathInFolder(question.m_strPicture)) {
        findings << QStringLiteral("%1: název obrázku „%2“ vede mimo složku obrázků").arg(label, name);
    } else if (!picturesDir.isEmpty()) {
        const QString problem = PictureFile::Problem(picturesDir, question.m_strPicture);
        if (!problem.isEmpty()) {
            findings << QStringLiteral("%1: obrázek „%2“: %3").arg(label, name, problem);
        }
    }
}

} // namespace

QStringList BankChecker::Check(const TreeNode& root, const QString& picturesDir)
{
    QStringList findings;
    const int count = CheckCount(root, findings);
    for (const auto& [index, node] : CheckChildren(root, count, findings)) {
        Question question;
        question.LoadFromNode(node);
        SourceQuestion source;
        source.m_nNumber = index + 1;
        source.m_strText = Windows1250Encoder::Decode(question.m_strText[0]);
        const QString label = source.Label();
        CheckTexts(*node, label, findings);
        CheckAnswer(*node, label, findings);
        CheckPicture(*node, question, label, picturesDir, findings);
    }
    return findings;
}
