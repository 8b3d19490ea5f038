#include "tools/navik-bank/TreeBankReader.h"

#include "storage/TreeNode.h"
#include "tools/navik-bank/Windows1250Encoder.h"

namespace {

QString Text(const TreeNode& node, const std::string& name, std::int32_t index)
{
    std::string bytes;
    node.GetText(name, bytes, index);
    return Windows1250Encoder::Decode(bytes);
}

} // namespace

std::vector<SourceQuestion> TreeBankReader::Read(const TreeNode& root)
{
    std::int32_t count = 0;
    root.GetInt("count", count, 0);
    std::vector<SourceQuestion> questions;
    for (std::int32_t i = 0; i < count; ++i) {
        const TreeNode* node = root.FindChild("otazka", i);
        if (!node) {
            continue;
        }
        SourceQuestion& question = questions.emplace_back();
        question.m_nNumber = i + 1;
        question.m_strText = Text(*node, "text", 0);
        for (std::int32_t answer = 1; answer <= 3; ++answer) {
            question.m_answers << Text(*node, "text", answer);
        }
        std::int32_t answer = -1;
        if (node->GetInt("odpoved", answer, 0) && answer >= 0 && answer <= 2) {
            question.m_correct = QString(QChar(u'a' + answer));
        }
        std::int32_t hasPicture = 0;
        if (node->GetInt("isobr", hasPicture, 0) && hasPicture != 0) {
            question.m_strPicture = Text(*node, "obrname", 0);
        }
    }
    return questions;
}
