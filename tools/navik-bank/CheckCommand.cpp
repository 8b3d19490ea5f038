#include "tools/navik-bank/CheckCommand.h"

#include <QFileInfo>
#include <iostream>

#include "storage/TreeNode.h"
#include "tools/navik-bank/BankChecker.h"
#include "tools/navik-bank/BankFile.h"
#include "tools/navik-bank/Command.h"
#include "tools/navik-bank/CommandArguments.h"

namespace {

constexpr const char* kUsage = "usage: navik-bank check FILE.dat [--pictures DIR]\n";
constexpr const char* kHelp =
    "Reads a question database as the program does and reports, one line each, what the\n"
    "program would stumble over: a file it cannot read, a \"count\" that is missing or does not\n"
    "match the questions, missing or empty texts, answer indices outside 0..2, picture names\n"
    "it cannot use, more than 1000 questions.\n"
    "\n"
    "  --pictures DIR  also check that DIR/NAME.gif exists and is a GIF for every picture\n"
    "\n"
    "Exit status: 0 and \"OK: N questions\" when nothing is found, 1 when something is,\n"
    "2 wrong arguments.\n";

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
    if (const std::string problem = args.OneOperandProblem("FILE"); !problem.empty()) {
        return Usage(err, problem);
    }
    const QString path = QString::fromStdString(args.Positional().front());
    const QString pictures = QString::fromStdString(args.Option("--pictures").value_or(std::string()));
    if (!pictures.isEmpty() && !QFileInfo(pictures).isDir()) {
        err << "navik-bank check: " << pictures.toStdString() << " is not a directory\n";
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
    root.GetInt("count", count, 0);
    out << "OK: " << count << (count == 1 ? " question\n" : " questions\n");
    return 0;
}

int RunCheck(const std::vector<std::string>& arguments)
{
    return CheckCommand::Run(arguments, std::cout, std::cerr);
}
