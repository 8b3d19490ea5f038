#include "tools/navik-bank/CheckCommand.h"

#include <QFileInfo>
#include <iostream>

#include "model/QuestionSchema.h"
#include "storage/TreeNode.h"
#include "tools/navik-bank/BankChecker.h"
#include "tools/navik-bank/BankFile.h"
#include "tools/navik-bank/Command.h"
#include "tools/navik-bank/CommandArguments.h"

namespace {

constexpr const char* kUsage = "použití: navik-bank check SOUBOR.dat [--pictures SLOŽKA]\n";
constexpr const char* kHelp =
    "Přečte databázi otázek tak jako program a po řádcích vypíše, nad čím by program\n"
    "zaváhal: soubor, který nejde přečíst, „count“, který chybí nebo nesedí s otázkami,\n"
    "chybějící nebo prázdné texty, index správné odpovědi mimo 0..2, nepoužitelné názvy\n"
    "obrázků, víc než 1000 otázek.\n"
    "\n"
    "  --pictures SLOŽKA zkontroluje i to, že SLOŽKA/NÁZEV.gif pro každý obrázek existuje a je GIF\n"
    "\n"
    "Návratový kód: 0 a „V pořádku, otázek: N“, když nic nenajde, 1, když něco najde,\n"
    "2 chybné argumenty.\n";

int Usage(std::ostream& err, const std::string& problem)
{
    err << "navik-bank check: " << problem << '\n' << kUsage;
    return 2;
}

} // namespace

int CheckCommand::Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const CommandArguments args(arguments, {"--pictures"});
    if (args.WantsHelp()) {
        out << kUsage << '\n' << kHelp;
        return 0;
    }
    if (const std::string problem = args.OneOperandProblem("SOUBOR"); !problem.empty()) {
        return Usage(err, problem);
    }
    const QString path = QString::fromStdString(args.Positional().front());
    const QString pictures = QString::fromStdString(args.Option("--pictures").value_or(std::string()));
    if (!pictures.isEmpty() && !QFileInfo(pictures).isDir()) {
        err << "navik-bank check: " << pictures.toStdString() << " není složka\n";
        return 1;
    }
    TreeNode root;
    QString error;
    if (!BankFile::Load(path, root, error)) {
        out << error.toStdString() << '\n';
        return 1;
    }
    const QStringList findings = BankChecker::Check(root, pictures);
    for (const QString& finding : findings) {
        out << path.toStdString() << ": " << finding.toStdString() << '\n';
    }
    if (!findings.isEmpty()) {
        return 1;
    }
    std::int32_t count = 0;
    root.GetInt(QuestionSchema::kCount, count, 0);
    out << "V pořádku, otázek: " << count << '\n';
    return 0;
}

int RunCheck(const std::vector<std::string>& arguments)
{
    return CheckCommand::Run(arguments, std::cout, std::cerr);
}
