#include "tools/navik-bank/BuildCommand.h"

#include <QFile>
#include <QFileInfo>
#include <iostream>

#include "storage/CFileException.h"
#include "storage/TreeNode.h"
#include "tools/navik-bank/BankCompiler.h"
#include "tools/navik-bank/Command.h"
#include "tools/navik-bank/CommandArguments.h"
#include "tools/navik-bank/CsvBankReader.h"
#include "tools/navik-bank/JsonBankReader.h"

namespace {

constexpr const char* kUsage = "usage: navik-bank build SOURCE -o FILE.dat [--pictures DIR]\n";
constexpr const char* kHelp =
    "Compiles a question bank source into a database for the program.\n"
    "\n"
    "  SOURCE          the questions in UTF-8, as .json or .csv:\n"
    "                  JSON: {\"questions\": [{\"text\": \"...\", \"answers\": [\"...\", \"...\", \"...\"],\n"
    "                                        \"correct\": \"b\", \"picture\": \"znacka07\"}]}\n"
    "                  CSV:  a header row otazka,a,b,c,spravna,obrazek, then one row per\n"
    "                        question; commas or semicolons, spreadsheet quoting\n"
    "  -o FILE.dat     the database to write\n"
    "  --pictures DIR  also check that DIR/NAME.gif exists and is a GIF for every picture\n"
    "\n"
    "Texts are stored in Windows-1250. On any error nothing is written; every error names the\n"
    "question. Exit status: 0 written, 1 errors in the source, 2 wrong arguments.\n";

// Sources are far smaller; the limit only keeps a wrong file from being read whole.
constexpr qint64 kMaxSourceSize = 64 * 1024 * 1024;

int Usage(std::ostream& err, const std::string& problem)
{
    err << "navik-bank build: " << problem << '\n' << kUsage;
    return 2;
}

std::optional<std::vector<SourceQuestion>> ReadSource(const QString& path, QStringList& errors)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errors << QStringLiteral("cannot read: %1").arg(file.errorString());
        return std::nullopt;
    }
    if (file.size() > kMaxSourceSize) {
        errors << QStringLiteral("larger than %1 MiB; not a question bank").arg(kMaxSourceSize >> 20);
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? CsvBankReader::Read(bytes, errors)
                                                                      : JsonBankReader::Read(bytes, errors);
}

bool Save(const QuestionBank& bank, const std::string& path, std::ostream& err)
{
    TreeNode root;
    bank.SaveToNode(root);
    try {
        if (!root.SaveFile(path)) {
            err << "navik-bank build: cannot write " << path << ": the bank is too large for a tree file\n";
            return false;
        }
    } catch (const CFileException& exception) {
        err << "navik-bank build: cannot write " << exception.what() << '\n';
        return false;
    }
    return true;
}

} // namespace

int BuildCommand::Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const CommandArguments args(arguments, {"-o", "--pictures"});
    if (args.WantsHelp()) {
        out << kUsage << '\n' << kHelp;
        return 0;
    }
    if (const std::string problem = args.OneOperandProblem("SOURCE"); !problem.empty()) {
        return Usage(err, problem);
    }
    const std::optional<std::string> output = args.Option("-o");
    if (!output) {
        return Usage(err, "no output file given (-o FILE.dat)");
    }
    const QString source = QString::fromStdString(args.Positional().front());
    if (!source.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive) &&
        !source.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
        return Usage(err, "SOURCE must end in .json or .csv");
    }
    const QString pictures = QString::fromStdString(args.Option("--pictures").value_or(std::string()));
    if (!pictures.isEmpty() && !QFileInfo(pictures).isDir()) {
        err << "navik-bank build: " << pictures.toStdString() << " is not a directory\n";
        return 1;
    }

    QStringList errors;
    std::optional<QuestionBank> questions;
    if (const std::optional<std::vector<SourceQuestion>> read = ReadSource(source, errors)) {
        questions = BankCompiler::Compile(*read, pictures, errors);
    }
    if (!questions) {
        for (const QString& error : errors) {
            err << source.toStdString() << ": " << error.toStdString() << '\n';
        }
        err << "navik-bank build: " << errors.size() << (errors.size() == 1 ? " error" : " errors")
            << "; nothing written to " << *output << '\n';
        return 1;
    }
    if (!Save(*questions, *output, err)) {
        return 1;
    }
    out << "wrote " << questions->GetSize() << (questions->GetSize() == 1 ? " question" : " questions")
        << " to " << *output << '\n';
    return 0;
}

int RunBuild(const std::vector<std::string>& arguments)
{
    return BuildCommand::Run(arguments, std::cout, std::cerr);
}
