#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "storage/TreeNode.h"
#include "tests/tools/BankToolRun.h"
#include "tools/navik-bank/BuildCommand.h"
#include "tools/navik-bank/ExportCommand.h"

namespace {

using testing::HasSubstr;

// A question object of the JSON source; picture left out when empty.
QByteArray Question(const QByteArray& text, const QByteArray& answers = R"("A1", "A2", "A3")",
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
        EXPECT_THAT(run.m_strErr, HasSubstr("nothing written"));
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
        Build(Bank({Question("Plain", R"("x", "y", "z")", R"("correct": "c")"),
                    Question("With picture", R"("x", "y", "z")", R"("correct": "B")", "znacka07")}));
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    EXPECT_EQ(run.m_strOut, "wrote 2 questions to " + Path("bank.dat") + "\n");

    TreeNode root;
    root.LoadFile(Path("bank.dat"));
    std::int32_t value = -1;
    ASSERT_TRUE(root.GetInt("count", value, 0));
    EXPECT_EQ(value, 2);
    ASSERT_EQ(root.GetChildCount(), 2u);

    const TreeNode* plain = root.FindChild("otazka", 0);
    ASSERT_NE(plain, nullptr);
    std::string text;
    EXPECT_TRUE(plain->GetText("text", text, 0));
    EXPECT_EQ(text, "Plain");
    EXPECT_TRUE(plain->GetText("text", text, 3));
    EXPECT_EQ(text, "z");
    // Stored without a terminating zero.
    EXPECT_EQ(plain->GetValueAt(static_cast<std::size_t>(plain->FindValue("text", 0))).GetSize(), 5);
    EXPECT_TRUE(plain->GetInt("odpoved", value, 0));
    EXPECT_EQ(value, 2);
    EXPECT_TRUE(plain->GetInt("isobr", value, 0));
    EXPECT_EQ(value, 0);
    EXPECT_EQ(plain->FindValue("obrname", 0), -1);

    const TreeNode* pictured = root.FindChild("otazka", 1);
    ASSERT_NE(pictured, nullptr);
    EXPECT_TRUE(pictured->GetInt("odpoved", value, 0));
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(pictured->GetInt("isobr", value, 0));
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(pictured->GetText("obrname", text, 0));
    EXPECT_EQ(text, "znacka07");
}

TEST_F(BuildCommandTest, StoresEveryCzechLetterAsItsWindows1250Byte)
{
    ASSERT_EQ(Build(Bank({Question("áčďéěíňóřšťúůýž", R"("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ", "„uvozovky“ – pomlčka", "x")")}))
                  .m_nStatus,
              0);
    TreeNode root;
    root.LoadFile(Path("bank.dat"));
    const TreeNode* question = root.FindChild("otazka", 0);
    ASSERT_NE(question, nullptr);
    std::string text;
    question->GetText("text", text, 0);
    EXPECT_EQ(QByteArray::fromStdString(text).toHex(' '), "e1 e8 ef e9 ec ed f2 f3 f8 9a 9d fa f9 fd 9e");
    question->GetText("text", text, 1);
    EXPECT_EQ(QByteArray::fromStdString(text).toHex(' '), "c1 c8 cf c9 cc cd d2 d3 d8 8a 8d da d9 dd 8e");
    question->GetText("text", text, 2);
    EXPECT_EQ(QByteArray::fromStdString(text).toHex(' '),
              "84 75 76 6f 7a 6f 76 6b 79 93 20 96 20 70 6f 6d 6c e8 6b 61");
}

TEST_F(BuildCommandTest, BuildExportBuildGivesIdenticalBytes)
{
    const QByteArray source =
        Bank({Question("Co znamená \\\"tato\\\" značka?\\nDruhý řádek",
                       R"("Zákaz stání", "a\\b\tc", "Úžina")", R"("correct": "b")", "znacka07"),
              Question("Žluťoučký kůň", R"("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ", "€ ‰ §", "x")", R"("correct": "c")")});
    ASSERT_EQ(Build(source).m_nStatus, 0);
    const QByteArray first = ReadBytes(m_dir.filePath("bank.dat"));
    // The gzip header carries no modification time.
    EXPECT_EQ(first.mid(4, 4), QByteArray(4, '\0'));

    const BankToolRun exported = BankToolRun::Of(ExportCommand::Run, {Path("bank.dat")});
    ASSERT_EQ(exported.m_nStatus, 0) << exported.m_strErr;
    ASSERT_EQ(Build(QByteArray::fromStdString(exported.m_strOut), QStringLiteral("exported.json")).m_nStatus,
              0);
    EXPECT_EQ(ReadBytes(m_dir.filePath("bank.dat")), first);
}

TEST_F(BuildCommandTest, ExportWritesTheKeysInSourceOrder)
{
    ASSERT_EQ(Build(Bank({Question("Q", R"("x", "y", "z")", R"("correct": "c")", "p1")})).m_nStatus, 0);
    ASSERT_EQ(BankToolRun::Of(ExportCommand::Run, {Path("bank.dat"), "-o", Path("out.json")}).m_nStatus, 0);
    const QByteArray json = ReadBytes(m_dir.filePath("out.json"));
    const qsizetype text = json.indexOf("\"text\"");
    const qsizetype answers = json.indexOf("\"answers\"");
    const qsizetype correct = json.indexOf("\"correct\": \"c\"");
    const qsizetype picture = json.indexOf("\"picture\": \"p1\"");
    EXPECT_TRUE(text >= 0 && text < answers && answers < correct && correct < picture) << json.toStdString();
}

TEST_F(BuildCommandTest, CsvBuildsTheSameBankAsJson)
{
    ASSERT_EQ(Build(Bank({Question("Kdo má přednost, když se plavidla křižují?",
                                   R"("Zleva", "Zprava, \"vždy\"", "Nikdo")", R"("correct": "b")", "krizeni"),
                          Question("Dva\nřádky")}))
                  .m_nStatus,
              0);
    const QByteArray fromJson = ReadBytes(m_dir.filePath("bank.dat"));
    ASSERT_EQ(
        Build("otazka;a;b;c;spravna;obrazek\r\n"
              "Kdo má přednost, když se plavidla křižují?;Zleva;\"Zprava, \"\"vždy\"\"\";Nikdo;B;krizeni\r\n"
              "\"Dva\r\nřádky\";A1;A2;A3;a;\r\n",
              QStringLiteral("bank.csv"))
            .m_nStatus,
        0);
    EXPECT_EQ(ReadBytes(m_dir.filePath("bank.dat")), fromJson);
}

TEST_F(BuildCommandTest, EachFaultOfASourceHasItsMessage)
{
    const std::pair<QByteArray, std::string> cases[] = {
        {Bank({Question("Ok"), Question("Smørrebrød je jídlo")}),
         "question 2 \"Smørrebrød je jídlo\": the question text holds \"ø\" (U+00F8), which Windows-1250 "
         "cannot hold"},
        {Bank({Question("Emoji", R"("a", "b 😀", "c")")}), "question 1 \"Emoji\": answer b holds"},
        {Bank({Question("Two answers here", R"("a", "b")")}),
         "question 1 \"Two answers here\": has 2 answers; exactly 3 are needed"},
        {Bank({Question("Four", R"("a", "b", "c", "d")")}),
         "question 1 \"Four\": has 4 answers; exactly 3 are needed"},
        {Bank({Question("No letter", R"("a", "b", "c")", {})}),
         "question 1 \"No letter\": the correct answer is missing; give a, b or c"},
        {Bank({Question("Bad letter", R"("a", "b", "c")", R"("correct": "d")")}),
         "question 1 \"Bad letter\": the correct answer \"d\" is not a, b or c"},
        {Bank({Question("Number", R"("a", "b", "c")", R"("correct": 1)")}),
         "question 1 \"Number\": \"correct\" must be a string"},
        {Bank({Question("Fine"), Question("  ")}), "question 2 (no text): the question text is empty"},
        {Bank({Question("Blank answer", R"("a", "", "c")")}),
         "question 1 \"Blank answer\": answer b is empty"},
        {"{\"questions\": [\n{\"text\": \"a\",,}\n]}", "not valid JSON at line 2"},
        {R"({"questions": {}})", "an object with a \"questions\" array"},
        {Bank({Question("Typo", R"("a", "b", "c")", R"("correct": "a", "pictrue": "x")")}),
         "question 1 \"Typo\": unknown field \"pictrue\""},
        {Bank({"{\"text\": 5}"}), "question 1 (no text): \"text\" must be a string"},
        {Bank({"[]"}), "question 1: must be an object"},
    };
    for (const auto& [source, message] : cases)
        EXPECT_THAT(BuildError(source), HasSubstr(message));
}

TEST_F(BuildCommandTest, TextLengthCountsWindows1250Bytes)
{
    // "č" takes two bytes in UTF-8 but one in Windows-1250.
    ASSERT_EQ(Build(Bank({Question(QString(1099, QChar(u'č')).toUtf8())})).m_nStatus, 0);
    QFile::remove(m_dir.filePath("bank.dat"));
    EXPECT_THAT(BuildError(Bank({Question("Long " + QByteArray(1095, 'x'))})),
                HasSubstr("question 1 \"Long " + std::string(35, 'x') +
                          "...\": the question text is 1100 bytes long in Windows-1250; at most 1099 fit"));
}

TEST_F(BuildCommandTest, AtMostOneThousandQuestions)
{
    ASSERT_EQ(Build(Bank(QList<QByteArray>(1000, Question("Q")))).m_nStatus, 0);
    QFile::remove(m_dir.filePath("bank.dat"));
    EXPECT_THAT(BuildError(Bank(QList<QByteArray>(1001, Question("Q")))),
                HasSubstr("the source holds 1001 questions; at most 1000 fit"));
    EXPECT_THAT(BuildError(Bank({})), HasSubstr("the source holds no questions"));
}

TEST_F(BuildCommandTest, PictureNameMustStayInThePictureFolder)
{
    for (const QByteArray name : {"../x", "sub\\\\..\\\\..\\\\x", "/etc/x", "c:x", "a//b"}) {
        EXPECT_THAT(BuildError(Bank({Question("Pic", R"("a", "b", "c")", R"("correct": "a")", name)})),
                    HasSubstr("question 1 \"Pic\": the picture name"))
            << name.toStdString();
    }
    MakePicture(QStringLiteral("znacky/zakaz.gif"), "GIF89a");
    EXPECT_EQ(Build(Bank({Question("Pic", R"("a", "b", "c")", R"("correct": "a")", "znacky\\\\zakaz")}),
                    QStringLiteral("bank.json"), {"--pictures", Path("obr")})
                  .m_nStatus,
              0);
}

TEST_F(BuildCommandTest, PicturesMustBeGifFiles)
{
    MakePicture(QStringLiteral("old.gif"), "GIF87a\x01\x00");
    MakePicture(QStringLiteral("new.gif"), "GIF89a\x01\x00");
    MakePicture(QStringLiteral("png.gif"), "\x89PNG\r\n\x1a\n");
    const std::vector<std::string> pictures = {"--pictures", Path("obr")};
    auto withPicture = [](const QByteArray& name) {
        return Bank({Question("Sign", R"("a", "b", "c")", R"("correct": "a")", name)});
    };

    EXPECT_EQ(Build(Bank({Question("A", R"("a", "b", "c")", R"("correct": "a")", "old"),
                          Question("B", R"("a", "b", "c")", R"("correct": "a")", "new")}),
                    QStringLiteral("bank.json"), pictures)
                  .m_nStatus,
              0);
    QFile::remove(m_dir.filePath("bank.dat"));
    EXPECT_THAT(
        BuildError(withPicture("gone"), pictures),
        HasSubstr("question 1 \"Sign\": picture \"gone\": " + Path("obr/gone.gif") + " does not exist"));
    EXPECT_THAT(
        BuildError(withPicture("png"), pictures),
        HasSubstr("question 1 \"Sign\": picture \"png\": " + Path("obr/png.gif") + " is not a GIF file"));
    // Without a picture folder the files are not looked at.
    EXPECT_EQ(Build(withPicture("gone")).m_nStatus, 0);
}

TEST_F(BuildCommandTest, EveryErrorIsReportedAndAnOldFileStaysUntouched)
{
    WriteBytes(m_dir.filePath("bank.dat"), "old bank");
    const BankToolRun run = Build(Bank({Question("", R"("a", "b")"), Question("Ok"),
                                        Question("Bad", R"("a", "b", "c")", R"("correct": "x")")}));
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_THAT(run.m_strErr, HasSubstr("question 1 (no text): the question text is empty"));
    EXPECT_THAT(run.m_strErr, HasSubstr("question 1 (no text): has 2 answers"));
    EXPECT_THAT(run.m_strErr, HasSubstr("question 3 \"Bad\": the correct answer \"x\""));
    EXPECT_THAT(run.m_strErr, HasSubstr("3 errors; nothing written to " + Path("bank.dat")));
    EXPECT_EQ(ReadBytes(m_dir.filePath("bank.dat")), "old bank");
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file is left behind";
}

TEST_F(BuildCommandTest, WrongArgumentsAreUsageErrors)
{
    WriteBytes(m_dir.filePath("bank.json"), Bank({Question("Q")}));
    WriteBytes(m_dir.filePath("bank.txt"), Bank({Question("Q")}));
    const std::string json = Path("bank.json");
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {json},
        {json, "-o"},
        {json, "-o", Path("bank.dat"), "--colour", "red"},
        {json, json, "-o", Path("bank.dat")},
        {Path("bank.txt"), "-o", Path("bank.dat")},
        {json, "-o", Path("a.dat"), "-o", Path("b.dat")},
    };
    for (const auto& arguments : wrong) {
        const BankToolRun run = BankToolRun::Of(BuildCommand::Run, arguments);
        EXPECT_EQ(run.m_nStatus, 2) << run.m_strErr;
        EXPECT_THAT(run.m_strErr, HasSubstr("usage: navik-bank build"));
    }
    EXPECT_FALSE(BankWritten());
    EXPECT_EQ(BankToolRun::Of(BuildCommand::Run, {Path("missing.json"), "-o", Path("bank.dat")}).m_nStatus,
              1);
    const BankToolRun help = BankToolRun::Of(BuildCommand::Run, {"--help"});
    EXPECT_EQ(help.m_nStatus, 0);
    EXPECT_THAT(help.m_strOut, HasSubstr("usage: navik-bank build SOURCE -o FILE.dat [--pictures DIR]"));
}

} // namespace
