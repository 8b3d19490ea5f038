#include "tests/tools/BankToolRun.h"

#include <sstream>

#include "TreeBytes.h"
#include "storage/TreeNode.h"

BankToolRun BankToolRun::Of(Command command, const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    BankToolRun run;
    run.m_nStatus = command(arguments, out, err);
    run.m_strOut = out.str();
    run.m_strErr = err.str();
    return run;
}

QByteArray ReadBytes(const QString& path)
{
    const TreeBytes::Bytes bytes = TreeBytes::ReadFile(path.toStdString());
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    TreeBytes::WriteFile(path.toStdString(), TreeBytes::Bytes(bytes.begin(), bytes.end()));
}

TreeNode& AddQuestion(TreeNode& root, std::int32_t index, const std::string& text, std::int32_t answer,
                      const std::string& picture)
{
    TreeNode& node = root.AddChild("otazka", index);
    node.SetText("text", text, 0);
    node.SetText("text", "a", 1);
    node.SetText("text", "b", 2);
    node.SetText("text", "c", 3);
    node.SetInt("odpoved", answer, 0);
    node.SetInt("isobr", picture.empty() ? 0 : 1, 0);
    if (!picture.empty()) {
        node.SetText("obrname", picture, 0);
    }
    return node;
}
