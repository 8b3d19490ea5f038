#include "tools/navik-bank/DumpCommand.h"

#include <iostream>

#include "storage/TreeNode.h"
#include "tools/navik-bank/BankFile.h"
#include "tools/navik-bank/Command.h"
#include "tools/navik-bank/CommandArguments.h"
#include "tools/navik-bank/TreeJsonWriter.h"

namespace {

constexpr const char* kUsage = "použití: navik-bank dump SOUBOR\n";
constexpr const char* kHelp =
    "Vypíše soubor stromu jako JSON: každý uzel a hodnotu v pořadí souboru, logické hodnoty,\n"
    "čísla a texty (převedené z Windows-1250) jako takové, cokoli jiného šestnáctkově. U souboru,\n"
    "který by program nepřečetl, řekne na standardní chybový výstup proč a skončí kódem 1.\n";

} // namespace

int DumpCommand::Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const CommandArguments args(arguments, {});
    if (args.WantsHelp()) {
        out << kUsage << '\n' << kHelp;
        return 0;
    }
    if (!args.Error().empty() || args.Positional().size() != 1) {
        err << kUsage;
        return 2;
    }
    TreeNode root;
    QString error;
    if (!BankFile::Load(QString::fromStdString(args.Positional()[0]), root, error)) {
        err << "navik-bank: " << error.toStdString() << '\n';
        return 1;
    }
    out << TreeJsonWriter::Write(root) << std::flush;
    return out ? 0 : 1;
}

int RunDump(const std::vector<std::string>& arguments)
{
    return DumpCommand::Run(arguments, std::cout, std::cerr);
}
