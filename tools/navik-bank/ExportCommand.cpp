#include "tools/navik-bank/ExportCommand.h"

#include <QSaveFile>
#include <iostream>

#include "storage/TreeNode.h"
#include "tools/navik-bank/BankChecker.h"
#include "tools/navik-bank/BankFile.h"
#include "tools/navik-bank/Command.h"
#include "tools/navik-bank/CommandArguments.h"
#include "tools/navik-bank/JsonBankWriter.h"
#include "tools/navik-bank/TreeBankReader.h"

namespace {

constexpr const char* kUsage = "usage: navik-bank export FILE.dat [-o FILE.json]\n";
constexpr const char* kHelp =
    "Writes a question database as the JSON source \"navik-bank build\" reads, in UTF-8, to\n"
    "standard output or to FILE.json. Building the result gives the same bytes again.\n"
    "A database that \"navik-bank check\" finds problems in is not exported.\n"
    "\n"
    "  -o FILE.json  the file to write instead of standard output\n"
    "\n"
    "Exit status: 0 written, 1 the database cannot be read or has problems, 2 wrong arguments.\n";

int Usage(std::ostream& err, const std::string& problem)
{
    err << "navik-bank export: " << problem << '\n' << kUsage;
    return 2;
}

bool WriteFile(const QString& path, const QByteArray& json, std::ostream& err)
{
    // Written aside and renamed, so a failed export leaves no half file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        err << "navik-bank export: cannot write " << path.toStdString() << ": "
            << file.errorString().toStdString() << '\n';
        return false;
    }
    return true;
}

} // namespace

int ExportCommand::Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const CommandArguments args(arguments, {"-o"});
    if (args.WantsHelp()) {
        out << kUsage << '\n' << kHelp;
        return 0;
    }
    if (const std::string problem = args.OneOperandProblem("FILE"); !problem.empty()) {
        return Usage(err, problem);
    }
    const QString path = QString::fromStdString(args.Positional().front());
    TreeNode root;
    QString error;
    if (!BankFile::Load(path, root, error)) {
        err << error.toStdString() << '\n';
        return 1;
    }
    const QStringList findings = BankChecker::Check(root, QString());
    if (!findings.isEmpty()) {
        for (const QString& finding : findings) {
            err << path.toStdString() << ": " << finding.toStdString() << '\n';
        }
        err << "navik-bank export: not exported; the source would not build into this bank\n";
        return 1;
    }
    const QByteArray json = JsonBankWriter::Write(TreeBankReader::Read(root));
    if (const std::optional<std::string> output = args.Option("-o")) {
        return WriteFile(QString::fromStdString(*output), json, err) ? 0 : 1;
    }
    out.write(json.constData(), json.size());
    return out ? 0 : 1;
}

int RunExport(const std::vector<std::string>& arguments)
{
    return ExportCommand::Run(arguments, std::cout, std::cerr);
}
