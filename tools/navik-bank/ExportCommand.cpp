#include "tools/navik-bank/ExportCommand.h"

#include <QSaveFile>
#include <iostream>

#include "storage/TreeNode.h"
#include "tools/navik-bank/BankChecker.h"
#include "tools/navik-bank/BankFile.h"
#include "tools/navik-bank/Command.h"
#include "tools/navik-bank/CommandArguments.h"
#include "tools/navik-bank/CsvBankWriter.h"
#include "tools/navik-bank/JsonBankWriter.h"
#include "tools/navik-bank/OutputFile.h"
#include "tools/navik-bank/TreeBankReader.h"

namespace {

constexpr const char* kUsage =
    "použití: navik-bank export SOUBOR.dat [-o SOUBOR.json|SOUBOR.csv] [--force]\n";
constexpr const char* kHelp =
    "Zapíše databázi otázek zpět jako zdroj, který čte „navik-bank build“: jako JSON v UTF-8\n"
    "na standardní výstup nebo do SOUBOR.json, nebo jako CSV pro tabulkový procesor do\n"
    "SOUBOR.csv (UTF-8, středníky). Přeložením JSON vzniknou tytéž bajty; CSV ztratí mezery\n"
    "na okrajích textů a znaky CR, a pak to řekne. Databáze, v níž „navik-bank check“ něco\n"
    "najde, se neexportuje.\n"
    "\n"
    "  -o SOUBOR   soubor místo standardního výstupu; .csv zapíše CSV, jinak JSON\n"
    "  --force     přepíše existující soubor (jinak odmítne, zdroj by se ztratil)\n"
    "\n"
    "Návratový kód: 0 zapsáno, 1 databázi nejde přečíst, má problémy nebo výstup odmítnut,\n"
    "2 chybné argumenty.\n";

int Usage(std::ostream& err, const std::string& problem)
{
    err << "navik-bank export: " << problem << '\n' << kUsage;
    return 2;
}

bool WriteFile(const QString& path, const QByteArray& bytes, std::ostream& err)
{
    // Written aside and renamed, so a failed export leaves no half file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        err << "navik-bank export: nejde zapsat " << path.toStdString() << ": "
            << file.errorString().toStdString() << '\n';
        return false;
    }
    return true;
}

} // namespace

int ExportCommand::Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const CommandArguments args(arguments, {"-o"}, {"--force"});
    if (args.WantsHelp()) {
        out << kUsage << '\n' << kHelp;
        return 0;
    }
    if (const std::string problem = args.OneOperandProblem("SOUBOR"); !problem.empty()) {
        return Usage(err, problem);
    }
    const QString path = QString::fromStdString(args.Positional().front());
    const std::optional<QString> output =
        args.Option("-o") ? std::optional(QString::fromStdString(*args.Option("-o"))) : std::nullopt;
    if (output) {
        const QString refusal =
            OutputFile::Refusal(*output, {path}, OutputFile::Replaces::Nothing, args.Flag("--force"));
        if (!refusal.isEmpty()) {
            err << "navik-bank export: " << refusal.toStdString() << '\n';
            return 1;
        }
    }
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
        err << "navik-bank export: nevyexportováno; zdroj by se do této databáze nepřeložil\n";
        return 1;
    }
    const std::vector<SourceQuestion> questions = TreeBankReader::Read(root);
    if (!output) {
        const QByteArray json = JsonBankWriter::Write(questions);
        out.write(json.constData(), json.size());
        return out ? 0 : 1;
    }
    if (!output->endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
        return WriteFile(*output, JsonBankWriter::Write(questions), err) ? 0 : 1;
    }
    QStringList notes;
    const QByteArray csv = CsvBankWriter::Write(questions, notes);
    for (const QString& note : notes) {
        err << output->toStdString() << ": poznámka: " << note.toStdString() << '\n';
    }
    return WriteFile(*output, csv, err) ? 0 : 1;
}

int RunExport(const std::vector<std::string>& arguments)
{
    return ExportCommand::Run(arguments, std::cout, std::cerr);
}
