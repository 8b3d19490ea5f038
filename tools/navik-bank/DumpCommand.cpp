// navik-bank dump FILE: the tree file as JSON on standard output, or why it cannot be read.

#include <cstdio>

#include "Command.h"
#include "TreeJsonWriter.h"
#include "storage/TreeNode.h"
#include "tools/navik-bank/BankFile.h"
#include "tools/navik-bank/CommandArguments.h"

namespace {

constexpr const char* kUsage = "usage: navik-bank dump FILE\n";
constexpr const char* kHelp =
    "Prints a tree file as JSON: every node and value in the file's order, booleans, numbers and\n"
    "texts (decoded from Windows-1250) as such, anything else as hex. For a file the program\n"
    "would not read it says why on standard error and exits 1.\n";

} // namespace

int RunDump(const std::vector<std::string>& arguments)
{
    const CommandArguments args(arguments, {});
    if (args.WantsHelp()) {
        std::printf("%s\n%s", kUsage, kHelp);
        return 0;
    }
    if (!args.Error().empty() || args.Positional().size() != 1) {
        std::fprintf(stderr, "%s", kUsage);
        return 2;
    }
    TreeNode root;
    QString error;
    if (!BankFile::Load(QString::fromStdString(args.Positional()[0]), root, error)) {
        std::fprintf(stderr, "navik-bank: %s\n", error.toUtf8().constData());
        return 1;
    }
    const std::string json = TreeJsonWriter::Write(root);
    std::fwrite(json.data(), 1, json.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
