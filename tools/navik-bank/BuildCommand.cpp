#include "tools/navik-bank/BuildCommand.h"

#include <QFile>
#include <QFileInfo>
#include <iostream>

#include "framework/base/CFileException.h"
#include "storage/TreeNode.h"
#include "tools/navik-bank/BankCompiler.h"
#include "tools/navik-bank/Command.h"
#include "tools/navik-bank/CommandArguments.h"
#include "tools/navik-bank/CsvBankReader.h"
#include "tools/navik-bank/JsonBankReader.h"
#include "tools/navik-bank/OutputFile.h"
#include "tools/navik-bank/SourceText.h"

namespace {

constexpr const char* kUsage =
    "použití: navik-bank build ZDROJ -o SOUBOR.dat [--pictures SLOŽKA] [--force]\n";
constexpr const char* kHelp =
    "Přeloží zdroj otázek do databáze pro program.\n"
    "\n"
    "  ZDROJ             otázky jako .json nebo .csv, v UTF-8 nebo ve Windows-1250:\n"
    "                    JSON: {\"questions\": [{\"text\": \"...\", \"answers\": [\"...\", \"...\", "
    "\"...\"],\n"
    "                                          \"correct\": \"b\", \"picture\": \"znacka07\"}]}\n"
    "                    CSV:  záhlaví se sloupci otazka, a, b, c, spravna a případně obrazek\n"
    "                          (v libovolném pořadí, třeba i „Otázka“, „Správná“, „Obrázek“),\n"
    "                          pak řádek na otázku; čárky nebo středníky, uvozovky jako v tabulce\n"
    "  -o SOUBOR.dat     databáze, kterou zapsat; jiný existující soubor než databázi\n"
    "                    přepíše jen s --force, zdroj nikdy\n"
    "  --pictures SLOŽKA zkontroluje i to, že SLOŽKA/NÁZEV.gif pro každý obrázek existuje a je GIF\n"
    "  --force           přepíše i existující soubor, který není databází otázek\n"
    "\n"
    "Texty se ukládají ve Windows-1250. Při jakékoli chybě se nic nezapíše; každá chyba uvádí\n"
    "otázku. Návratový kód: 0 zapsáno, 1 chyby ve zdroji nebo výstup odmítnut, 2 chybné argumenty.\n";

// Sources are far smaller; the limit only keeps a wrong file from being read whole.
constexpr qint64 kMaxSourceSize = 64 * 1024 * 1024;

int Usage(std::ostream& err, const std::string& problem)
{
    err << "navik-bank build: " << problem << '\n' << kUsage;
    return 2;
}

std::optional<std::vector<SourceQuestion>> ReadSource(const QString& path, QStringList& errors,
                                                      QStringList& notes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errors << QStringLiteral("nejde přečíst: %1").arg(file.errorString());
        return std::nullopt;
    }
    if (file.size() > kMaxSourceSize) {
        errors << QStringLiteral("větší než %1 MiB; to není zdroj otázek").arg(kMaxSourceSize >> 20);
        return std::nullopt;
    }
    const SourceText source = SourceText::Decode(file.readAll());
    if (source.m_bWindows1250) {
        notes << QStringLiteral("čteno jako Windows-1250 (soubor není platné UTF-8)");
    }
    return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)
               ? CsvBankReader::Read(source.m_strText, errors, notes)
               : JsonBankReader::Read(source.m_strText, errors);
}

bool Save(const QuestionBank& bank, const std::string& path, std::ostream& err)
{
    TreeNode root;
    bank.SaveToNode(root);
    try {
        if (!root.SaveFile(path)) {
            err << "navik-bank build: nejde zapsat " << path
                << ": databáze je pro soubor stromu příliš velká\n";
            return false;
        }
    } catch (const CFileException& exception) {
        err << "navik-bank build: nejde zapsat " << exception.what() << '\n';
        return false;
    }
    return true;
}

} // namespace

int BuildCommand::Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const CommandArguments args(arguments, {"-o", "--pictures"}, {"--force"});
    if (args.WantsHelp()) {
        out << kUsage << '\n' << kHelp;
        return 0;
    }
    if (const std::string problem = args.OneOperandProblem("ZDROJ"); !problem.empty()) {
        return Usage(err, problem);
    }
    const std::optional<std::string> output = args.Option("-o");
    if (!output) {
        return Usage(err, "chybí výstupní soubor (-o SOUBOR.dat)");
    }
    const QString source = QString::fromStdString(args.Positional().front());
    if (!source.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive) &&
        !source.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
        return Usage(err, "ZDROJ musí končit na .json nebo .csv");
    }
    const QString pictures = QString::fromStdString(args.Option("--pictures").value_or(std::string()));
    if (!pictures.isEmpty() && !QFileInfo(pictures).isDir()) {
        err << "navik-bank build: " << pictures.toStdString() << " není složka\n";
        return 1;
    }
    const QString refusal = OutputFile::Refusal(QString::fromStdString(*output), {source},
                                                OutputFile::Replaces::OnlyBanks, args.Flag("--force"));
    if (!refusal.isEmpty()) {
        err << "navik-bank build: " << refusal.toStdString() << '\n';
        return 1;
    }

    QStringList errors;
    QStringList notes;
    std::optional<QuestionBank> bank;
    if (const std::optional<std::vector<SourceQuestion>> read = ReadSource(source, errors, notes)) {
        bank = BankCompiler::Compile(*read, pictures, errors);
    }
    for (const QString& note : notes) {
        err << source.toStdString() << ": poznámka: " << note.toStdString() << '\n';
    }
    if (!bank) {
        for (const QString& error : errors) {
            err << source.toStdString() << ": " << error.toStdString() << '\n';
        }
        err << "navik-bank build: chyb: " << errors.size() << "; do " << *output << " nic nezapsáno\n";
        return 1;
    }
    if (!Save(*bank, *output, err)) {
        return 1;
    }
    out << "zapsáno do " << *output << ", otázek: " << bank->GetSize() << '\n';
    return 0;
}

int RunBuild(const std::vector<std::string>& arguments)
{
    return BuildCommand::Run(arguments, std::cout, std::cerr);
}
