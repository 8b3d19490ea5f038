#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "storage/TreeNode.h"
#include "tests/tools/BankToolRun.h"
#include "tools/navik-bank/BuildCommand.h"
#include "tools/navik-bank/ExportCommand.h"

namespace {

using testing::HasSubstr;
using testing::Not;

// A question object of the JSON source; picture left out when empty.
QByteArray Question(const QByteArray& text, const QByteArray& answers = R"("a", "b", "c")",
                    const QByteArray& correct = R"("correct": "a")", const QByteArray& picture = {})
{
    QByteArray object = "{\"text\": \"" + text + "\", \"answers\": [" + answers + "]";
    if (!correct.isEmpty()) {
        object += ", " + correct;
    }
    if (!picture.isEmpty()) {
        object += ", \"picture\": \"" + picture + "\"";
    }
    return object + "}";
}

QByteArray Bank(const QList<QByteArray>& questions)
{
    return "{\"questions\": [" + questions.join(",\n") + "]}";
}

class BuildCommandTest : public testing::Test
{
protected:
    std::string Path(const QString& name) const { return m_dir.filePath(name).toStdString(); }

    // Writes the source and builds it into bank.dat.
    BankToolRun Build(const QByteArray& source, const QString& name = QStringLiteral("bank.json"),
                      std::vector<std::string> extra = {})
    {
        WriteBytes(m_dir.filePath(name), source);
        std::vector<std::string> arguments = {Path(name), "-o", Path("bank.dat")};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return BankToolRun::Of(BuildCommand::Run, arguments);
    }

    bool BankWritten() const { return QFile::exists(m_dir.filePath("bank.dat")); }

    // Builds a source that must fail and returns what it said.
    std::string BuildError(const QByteArray& source, std::vector<std::string> extra = {})
    {
        const BankToolRun run = Build(source, QStringLiteral("bank.json"), std::move(extra));
        EXPECT_EQ(run.m_nStatus, 1) << run.m_strErr;
        EXPECT_FALSE(BankWritten());
        EXPECT_THAT(run.m_strErr, HasSubstr("nic nezapsáno"));
        return run.m_strErr;
    }

    void MakePicture(const QString& name, const QByteArray& bytes)
    {
        QDir(m_dir.path()).mkpath(QFileInfo(QStringLiteral("obr/") + name).path());
        WriteBytes(m_dir.filePath(QStringLiteral("obr/") + name), bytes);
    }

    QTemporaryDir m_dir;
};

TEST_F(BuildCommandTest, WritesTheDatabaseLayout)
{
    const BankToolRun run =
        Build(Bank({Question("Plain", R"("a", "b", "c")", R"("correct": "c")"),
                    Question("Pictured", R"("a", "b", "c")", R"("correct": "B")", "znacka07.GIF")}));
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    EXPECT_EQ(run.m_strOut, "zapsáno do " + Path("bank.dat") + ", otázek: 2\n");

    // Texts without a terminating zero; the picture's name without the suffix the program adds.
    TreeNode expected;
    expected.SetInt("count", 2, 0);
    AddQuestion(expected, 0, "Plain", 2);
    AddQuestion(expected, 1, "Pictured", 1, "znacka07");
    ASSERT_TRUE(expected.SaveFile(Path("expected.dat")));
    EXPECT_EQ(ReadBytes(m_dir.filePath("bank.dat")), ReadBytes(m_dir.filePath("expected.dat")));
}

TEST_F(BuildCommandTest, StoresEveryCzechLetterAsItsWindows1250Byte)
{
    // The last answer has its accents as separate combining marks, as text copied from a PDF does.
    ASSERT_EQ(Build(Bank({Question("áčďéěíňóřšťúůýž", "\"ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ\", \"„uvozovky“ – pomlčka\", "
                                                      "\"Z\xCC\x8Clut\xC3\xBD ku\xCC\x8A\xC5\x88\"")}))
                  .m_nStatus,
              0);
    TreeNode root;
    root.LoadFile(Path("bank.dat"));
    const TreeNode* question = root.FindChild("otazka", 0);
    ASSERT_NE(question, nullptr);
    const char* expected[] = {
        "e1 e8 ef e9 ec ed f2 f3 f8 9a 9d fa f9 fd 9e", "c1 c8 cf c9 cc cd d2 d3 d8 8a 8d da d9 dd 8e",
        "84 75 76 6f 7a 6f 76 6b 79 93 20 96 20 70 6f 6d 6c e8 6b 61", "8e 6c 75 74 fd 20 6b f9 f2"};
    for (int i = 0; i < 4; ++i) {
        std::string text;
        question->GetText("text", text, i);
        EXPECT_EQ(QByteArray::fromStdString(text).toHex(' '), expected[i]) << i;
    }
}

TEST_F(BuildCommandTest, BuildExportBuildGivesIdenticalBytesThroughJsonAndCsv)
{
    const QByteArray source =
        Bank({Question("Co znamená \\\"tato\\\" značka?\\nDruhý řádek",
                       R"("Zákaz stání", "a\\b\tc; d", "Úžina")", R"("correct": "b")", "znacka07"),
              Question("Žluťoučký kůň", R"("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ", "€ ‰ §", "x")", R"("correct": "c")")});
    ASSERT_EQ(Build(source).m_nStatus, 0);
    const QByteArray first = ReadBytes(m_dir.filePath("bank.dat"));

    const BankToolRun json = BankToolRun::Of(ExportCommand::Run, {Path("bank.dat")});
    ASSERT_EQ(json.m_nStatus, 0) << json.m_strErr;
    ASSERT_EQ(BankToolRun::Of(ExportCommand::Run, {Path("bank.dat"), "-o", Path("zpet.csv")}).m_nStatus, 0);
    EXPECT_TRUE(
        ReadBytes(m_dir.filePath("zpet.csv")).startsWith("\xEF\xBB\xBFotazka;a;b;c;spravna;obrazek\r\n"));
    for (const auto& [name, exported] :
         {std::pair{QStringLiteral("zpet.json"), QByteArray::fromStdString(json.m_strOut)},
          std::pair{QStringLiteral("zpet.csv"), ReadBytes(m_dir.filePath("zpet.csv"))}}) {
        ASSERT_EQ(Build(exported, name).m_nStatus, 0) << name.toStdString();
        EXPECT_EQ(ReadBytes(m_dir.filePath("bank.dat")), first) << name.toStdString();
    }
}

TEST_F(BuildCommandTest, ACzechSpreadsheetsCsvBuildsTheSameBankAsJson)
{
    ASSERT_EQ(Build(Bank({Question("Kdo má přednost, když se plavidla křižují?",
                                   R"("Zleva", "Zprava, \"vždy\"", "Nikdo")", R"("correct": "b")", "krizeni"),
                          Question("Dva\nřádky")}))
                  .m_nStatus,
              0);
    const QByteArray fromJson = ReadBytes(m_dir.filePath("bank.dat"));
    // "CSV (oddělovač středník)": Windows-1250, semicolons, the sheet's own headers in its own order.
    QStringEncoder windows1250("windows-1250");
    const QByteArray csv =
        windows1250.encode(QStringLiteral(" Otázka ;Téma;A;B;C;Obrázek;SPRÁVNÁ\r\n"
                                          "Kdo má přednost, když se plavidla křižují?;plavba;Zleva;\"Zprava, "
                                          "\"\"vždy\"\"\";Nikdo;krizeni;B\r\n"
                                          "\"Dva\r\nřádky\";;a;b;c;;a\r\n"));
    const BankToolRun run = Build(csv, QStringLiteral("bank.csv"));
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    EXPECT_EQ(ReadBytes(m_dir.filePath("bank.dat")), fromJson);
    EXPECT_EQ(run.m_strErr, Path("bank.csv") +
                                ": poznámka: čteno jako Windows-1250 (soubor není platné UTF-8)\n" +
                                Path("bank.csv") + ": poznámka: sloupec 2 „Téma“ neznám; vynechávám ho\n");
}

TEST_F(BuildCommandTest, EachFaultOfASourceHasItsMessage)
{
    const std::pair<QByteArray, std::string> cases[] = {
        {Bank({Question("Ok"), Question("Smørrebrød je jídlo")}),
         "otázka 2 „Smørrebrød je jídlo“: text otázky obsahuje „ø“ (U+00F8), který ve Windows-1250 není"},
        {Bank({Question("Emoji", R"("a", "b 😀", "c")")}),
         "otázka 1 „Emoji“: odpověď b obsahuje „😀“ (U+1F600)"},
        {Bank({Question("No letter", R"("a", "b", "c")", {})}),
         "otázka 1 „No letter“: chybí správná odpověď; uveďte a, b nebo c"},
        {Bank({Question("Blank answer", R"("a", "  ", "c")")}),
         "otázka 1 „Blank answer“: odpověď b nic neobsahuje"},
        {"{\"questions\": [\n{\"text\": \"a\",,}\n]}", "neplatný JSON na řádku 2"},
        {R"({"questions": {}})", "nejvyšší úroveň musí být objekt s polem „questions“"},
        {Bank({"[]"}), "otázka 1: musí být objekt"},
        {Bank({Question("Short \\u12 escape")}),
         "řádek 1: neplatná sekvence „\\u12 e“: za \\u musí následovat"},
        {Bank({Question("Half \\ud83d pair")}),
         "řádek 1: neplatná sekvence „\\ud83d“: první polovina páru UTF-16"},
        {Bank({Question("Undefined \\q escape")}),
         "řádek 1: neplatná sekvence „\\q“: JSON takovou sekvenci nezná"},
        {Bank({Question("One"), Question("Two \\udc00")}),
         "řádek 2: neplatná sekvence „\\udc00“: druhá polovina"},
        {Bank({}), "zdroj neobsahuje žádnou otázku"},
        // Which names stay in the picture folder is PicturePathTest's table.
        {Bank({Question("Pic", R"("a", "b", "c")", R"("correct": "a")", "../x")}),
         "otázka 1 „Pic“: název obrázku „../x“ musí určovat soubor ve složce obrázků"},
        {Bank({Question("Png", R"("a", "b", "c")", R"("correct": "a")", "mapa.png")}),
         "otázka 1 „Png“: obrázek „mapa.png“ je PNG; program ukazuje jen GIF: převeďte ho do GIF"},
    };
    for (const auto& [source, message] : cases)
        EXPECT_THAT(BuildError(source), HasSubstr(message));
}

TEST_F(BuildCommandTest, EveryErrorIsReportedInOneRunAndAnOldFileStaysUntouched)
{
    WriteBytes(m_dir.filePath("bank.dat"), "old bank");
    const BankToolRun run =
        Build(Bank({Question("", R"("a", "b")"), Question("Ok"),
                    Question("Bad", R"("a", "b", "c")", R"("correct": "x", "pictrue": "p")"),
                    Question("Typed", R"("a", 2, "c")", R"("correct": 1)")}),
              QStringLiteral("bank.json"), {"--force"});
    EXPECT_EQ(run.m_nStatus, 1);
    // Each question is named with each of its errors, and a part whose form was reported is not
    // reported again as empty or missing.
    for (const char* error :
         {"otázka 1 (bez textu): počet odpovědí je 2; musí být právě 3",
          "otázka 3 „Bad“: správná odpověď „x“ není a, b ani c", "otázka 3 „Bad“: neznámé pole „pictrue“",
          "otázka 4 „Typed“: odpověď 2 musí být řetězec", "otázka 4 „Typed“: „correct“ musí být řetězec"}) {
        EXPECT_THAT(run.m_strErr, HasSubstr(error));
    }
    EXPECT_THAT(run.m_strErr, HasSubstr("chyb: 6; do " + Path("bank.dat") + " nic nezapsáno"));
    EXPECT_EQ(ReadBytes(m_dir.filePath("bank.dat")), "old bank");
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file is left behind";
}

// Each limit: a source at it builds, one past it does not. A text's length counts its
// Windows-1250 bytes: "č" takes two bytes in UTF-8 but one there.
TEST_F(BuildCommandTest, SourcesUpToEachLimitBuildAndOnePastItDoNot)
{
    const struct
    {
        QByteArray atLimit;
        QByteArray pastLimit;
        std::string message;
    } limits[] = {
        {Bank({Question(QString(1099, QChar(u'č')).toUtf8())}),
         Bank({Question("Long " + QByteArray(1095, 'x'))}),
         "otázka 1 „Long " + std::string(35, 'x') +
             "...“: text otázky má ve Windows-1250 1100 bajtů; vejde se nejvýš 1099"},
        {Bank(QList<QByteArray>(1000, Question("Q"))), Bank(QList<QByteArray>(1001, Question("Q"))),
         "zdroj obsahuje 1001 otázek; vejde se nejvýš 1000"},
    };
    for (const auto& limit : limits) {
        ASSERT_EQ(Build(limit.atLimit).m_nStatus, 0);
        QFile::remove(m_dir.filePath("bank.dat"));
        EXPECT_THAT(BuildError(limit.pastLimit), HasSubstr(limit.message));
    }
}

// A picture may stand in a sub-folder of the picture folder; it must be a GIF file.
TEST_F(BuildCommandTest, PicturesMustBeGifFiles)
{
    MakePicture(QStringLiteral("old.gif"), "GIF87a\x01\x00");
    MakePicture(QStringLiteral("new.gif"), "GIF89a\x01\x00");
    MakePicture(QStringLiteral("png.gif"), "\x89PNG\r\n\x1a\n");
    MakePicture(QStringLiteral("jpeg.gif"), "\xFF\xD8\xFF\xE0");
    MakePicture(QStringLiteral("mapa.png"), "\x89PNG\r\n\x1a\n");
    MakePicture(QStringLiteral("znacky/zakaz.gif"), "GIF89a");
    const std::vector<std::string> pictures = {"--pictures", Path("obr")};
    auto withPicture = [](const QByteArray& name) {
        return Bank({Question("Sign", R"("a", "b", "c")", R"("correct": "a")", name)});
    };

    EXPECT_EQ(Build(Bank({Question("A", R"("a", "b", "c")", R"("correct": "a")", "old"),
                          Question("B", R"("a", "b", "c")", R"("correct": "a")", "new"),
                          Question("C", R"("a", "b", "c")", R"("correct": "a")", "znacky\\\\zakaz")}),
                    QStringLiteral("bank.json"), pictures)
                  .m_nStatus,
              0);
    QFile::remove(m_dir.filePath("bank.dat"));
    const std::string obr = Path("obr/");
    const std::pair<QByteArray, std::string> cases[] = {
        {"gone", "„gone“: " + obr + "gone.gif neexistuje\n"},
        {"mapa", "„mapa“: " + obr + "mapa.gif neexistuje; je tu " + obr + "mapa.png – převeďte ho do GIF\n"},
        {"png", "„png“: " + obr + "png.gif je obrázek PNG, ne GIF; převeďte ho do GIF\n"},
        {"jpeg", "„jpeg“: " + obr + "jpeg.gif není soubor GIF\n"},
    };
    for (const auto& [name, message] : cases) {
        EXPECT_THAT(BuildError(withPicture(name), pictures),
                    HasSubstr("otázka 1 „Sign“: obrázek " + message));
    }
    // Without a picture folder the files are not looked at.
    EXPECT_EQ(Build(withPicture("gone")).m_nStatus, 0);
}

TEST_F(BuildCommandTest, NeitherCommandReplacesItsInputOrAFileItDoesNotWrite)
{
    const QByteArray source = Bank({Question("Q")});
    WriteBytes(m_dir.filePath("x.json"), source);
    // The same file under another name, even with --force.
    ASSERT_EQ(symlink(Path("x.json").c_str(), Path("link.json").c_str()), 0);
    const std::string same = "je týž soubor jako vstup";
    const BankToolRun linked =
        BankToolRun::Of(BuildCommand::Run, {Path("x.json"), "-o", Path("link.json"), "--force"});
    EXPECT_EQ(linked.m_nStatus, 1);
    EXPECT_THAT(linked.m_strErr, HasSubstr(same));
    EXPECT_EQ(ReadBytes(m_dir.filePath("x.json")), source);

    WriteBytes(m_dir.filePath("notes.txt"), "a teacher's notes");
    const BankToolRun notBank = BankToolRun::Of(BuildCommand::Run, {Path("x.json"), "-o", Path("notes.txt")});
    EXPECT_EQ(notBank.m_nStatus, 1);
    EXPECT_THAT(notBank.m_strErr,
                HasSubstr("notes.txt už existuje a není to databáze otázek; přepíšu ho jen s --force"));
    EXPECT_EQ(ReadBytes(m_dir.filePath("notes.txt")), "a teacher's notes");
    EXPECT_EQ(
        BankToolRun::Of(BuildCommand::Run, {Path("x.json"), "-o", Path("notes.txt"), "--force"}).m_nStatus,
        0);

    const BankToolRun intoBank =
        BankToolRun::Of(ExportCommand::Run, {Path("notes.txt"), "-o", Path("notes.txt")});
    EXPECT_EQ(intoBank.m_nStatus, 1);
    EXPECT_THAT(intoBank.m_strErr, HasSubstr(same));
    const BankToolRun overSource =
        BankToolRun::Of(ExportCommand::Run, {Path("notes.txt"), "-o", Path("x.json")});
    EXPECT_EQ(overSource.m_nStatus, 1);
    EXPECT_THAT(overSource.m_strErr, HasSubstr("x.json už existuje; přepíšu ho jen s --force"));
    EXPECT_EQ(ReadBytes(m_dir.filePath("x.json")), source);
    EXPECT_EQ(
        BankToolRun::Of(ExportCommand::Run, {Path("notes.txt"), "-o", Path("x.json"), "--force"}).m_nStatus,
        0);
}

TEST_F(BuildCommandTest, WrongArgumentsAreUsageErrors)
{
    const std::string json = Path("bank.json");
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {json},
        {json, "-o", Path("bank.dat"), "--pictures"},
        {json, "-o", Path("bank.dat"), "--colour"},
        {json, json, "-o", Path("bank.dat")},
        {Path("bank.txt"), "-o", Path("bank.dat")},
        {json, "-o", Path("a.dat"), "-o", Path("b.dat")},
    };
    for (const auto& arguments : wrong) {
        const BankToolRun run = BankToolRun::Of(BuildCommand::Run, arguments);
        EXPECT_EQ(run.m_nStatus, 2) << run.m_strErr;
        EXPECT_THAT(run.m_strErr, HasSubstr("použití: navik-bank build"));
    }
    EXPECT_FALSE(BankWritten());
    EXPECT_EQ(BankToolRun::Of(BuildCommand::Run, {Path("missing.json"), "-o", Path("bank.dat")}).m_nStatus,
              1);
    const BankToolRun help = BankToolRun::Of(BuildCommand::Run, {"--help"});
    EXPECT_EQ(help.m_nStatus, 0);
    EXPECT_THAT(help.m_strOut, HasSubstr("použití: navik-bank build ZDROJ -o SOUBOR.dat"));
}

} // namespace
