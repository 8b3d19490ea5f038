// navik-bank dump FILE: the tree file as JSON on standard output, or why it cannot be read.

#include <cstdio>

#include "Command.h"
#include "TreeJsonWriter.h"
#include "storage/TreeNode.h"
#include "tools/navik-bank/BankFile.h"
#include "tools/navik-bank/CommandArguments.h"

namespace {

constexpr const char* kUsage = "použití: navik-bank dump SOUBOR\n";
constexpr const char* kHelp =
    "Vypíše soubor stromu jako JSON: každý uzel a hodnotu v pořadí souboru, logické hodnoty,\n"
    "čísla a texty (převedené z Windows-1250) jako takové, cokoli jiného šestnáctkově. U souboru,\n"
    "který by program nepřečetl, řekne na standardní chybový výstup proč a skončí kódem 1.\n";

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
