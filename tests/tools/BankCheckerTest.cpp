#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "storage/TreeNode.h"
#include "tests/tools/BankToolRun.h"
#include "tools/navik-bank/BankChecker.h"
#include "tools/navik-bank/CheckCommand.h"
#include "tools/navik-bank/ExportCommand.h"

namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

std::vector<std::string> Check(const TreeNode& root, const QString& pictures = {})
{
    std::vector<std::string> findings;
    for (const QString& finding : BankChecker::Check(root, pictures)) {
        findings.push_back(finding.toStdString());
    }
    return findings;
}

TEST(BankCheckerTest, CountMissingOrUnusable)
{
    TreeNode missing;
    AddQuestion(missing, 0, "Q");
    EXPECT_THAT(Check(missing), ElementsAre("„count“ chybí; program neuvidí žádnou otázku"));

    TreeNode wrongType;
    wrongType.SetLong("count", 1, 0);
    AddQuestion(wrongType, 0, "Q");
    EXPECT_THAT(Check(wrongType), ElementsAre(HasSubstr("„count“ není celé číslo (typ 6, 4 bajtů)")));

    // Beyond what the program loads from a sound file it loads nothing.
    for (const int count : {-4, 0, 100001}) {
        TreeNode root;
        root.SetInt("count", count, 0);
        EXPECT_THAT(Check(root),
                    ElementsAre("„count“ je " + std::to_string(count) + "; program neuvidí žádnou otázku"));
    }
}

TEST(BankCheckerTest, CountNotMatchingTheChildren)
{
    TreeNode root;
    root.SetInt("count", 6, 0);
    AddQuestion(root, 0, "Zero");
    AddQuestion(root, 2, "Two");
    AddQuestion(root, 2, "Two again");
    AddQuestion(root, 9, "Nine");
    AddQuestion(root, -1, "Minus one");
    EXPECT_THAT(Check(root), ElementsAre("„otazka“ 2 je tu víckrát; program čte jen první",
                                         "„otazka“ 9 leží mimo 0..5 a program ji nikdy neukáže",
                                         "„otazka“ -1 leží mimo 0..5 a program ji nikdy neukáže",
                                         "„otazka“ 1, 3-5 chybí; ty otázky budou prázdné"));

    TreeNode huge;
    huge.SetInt("count", 100000, 0);
    AddQuestion(huge, 0, "Only");
    EXPECT_THAT(Check(huge), ElementsAre("databáze má otázek: 100000; test jich pojme nejvýš 1000",
                                         "„otazka“ 1-99999 chybí; ty otázky budou prázdné"));
}

TEST(BankCheckerTest, BadAnswerIndices)
{
    TreeNode root;
    root.SetInt("count", 4, 0);
    AddQuestion(root, 0, "Three", 3);
    AddQuestion(root, 1, "Minus", -1);
    AddQuestion(root, 2, "Long").SetLong("odpoved", 1, 0);
    TreeNode& missing = root.AddChild("otazka", 3);
    for (std::int32_t i = 0; i < 4; ++i) {
        missing.SetText("text", "No answer", i);
    }
    EXPECT_THAT(Check(root),
                ElementsAre("otázka 1 „Three“: index správné odpovědi 3 leží mimo 0..2",
                            "otázka 2 „Minus“: index správné odpovědi -1 leží mimo 0..2",
                            "otázka 3 „Long“: správná odpověď („odpoved“) není celé číslo (typ 6, 4 bajtů)",
                            "otázka 4 „No answer“: správná odpověď („odpoved“) chybí"));
}

TEST(BankCheckerTest, EmptyMissingAndCutTexts)
{
    TreeNode root;
    root.SetInt("count", 1, 0);
    TreeNode& node = AddQuestion(root, 0, "Fine");
    node.SetText("text", " ", 1);
    node.SetInt("text", 5, 2);
    node.SetText("text", std::string("ab\0cd", 5), 3);
    EXPECT_THAT(Check(root), ElementsAre("otázka 1 „Fine“: odpověď a nic neobsahuje",
                                         "otázka 1 „Fine“: odpověď b není text (typ 2, 4 bajtů)",
                                         "otázka 1 „Fine“: odpověď c – přečte se jen 2 z 5 bajtů"));

    TreeNode long_;
    long_.SetInt("count", 1, 0);
    AddQuestion(long_, 0, std::string(1100, 'x'));
    EXPECT_THAT(Check(long_), ElementsAre(HasSubstr("text otázky – přečte se jen 1099 z 1100 bajtů")));

    // A stored terminator is part of the format, not a cut.
    TreeNode terminated;
    terminated.SetInt("count", 1, 0);
    AddQuestion(terminated, 0, std::string("Text\0", 5));
    EXPECT_THAT(Check(terminated), IsEmpty());

    TreeNode bare;
    bare.SetInt("count", 1, 0);
    bare.AddChild("otazka", 0).SetInt("odpoved", 0, 0);
    EXPECT_THAT(Check(bare),
                ElementsAre("otázka 1 (bez textu): text otázky chybí",
                            "otázka 1 (bez textu): odpověď a chybí", "otázka 1 (bez textu): odpověď b chybí",
                            "otázka 1 (bez textu): odpověď c chybí"));
}

TEST(BankCheckerTest, Pictures)
{
    // What is wrong with a picture file is said as by the build (PicturesMustBeGifFiles).
    QTemporaryDir dir;
    WriteBytes(dir.filePath("here.gif"), "GIF89a");

    TreeNode root;
    root.SetInt("count", 4, 0);
    AddQuestion(root, 0, "Here", 0, "here");
    AddQuestion(root, 1, "Gone", 0, "gone");
    AddQuestion(root, 2, "Escapes", 0, "..\\system");
    AddQuestion(root, 3, "Nameless").SetInt("isobr", 1, 0);

    EXPECT_THAT(
        Check(root),
        ElementsAre(HasSubstr("otázka 3 „Escapes“: název obrázku „..\\system“ vede mimo složku obrázků"),
                    "otázka 4 „Nameless“: má obrázek, ale ne jeho název („obrname“)"));
    EXPECT_THAT(
        Check(root, dir.path()),
        ElementsAre("otázka 2 „Gone“: obrázek „gone“: " + dir.path().toStdString() + "/gone.gif neexistuje",
                    HasSubstr("otázka 3 „Escapes“"), HasSubstr("otázka 4 „Nameless“")));
}

TEST(CheckCommandTest, SaysOkWithTheCountOrOneLinePerFinding)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("bank.dat").toStdString();
    TreeNode sound;
    sound.SetInt("count", 1, 0);
    AddQuestion(sound, 0, "Q");
    ASSERT_TRUE(sound.SaveFile(path));
    const BankToolRun ok = BankToolRun::Of(CheckCommand::Run, {path});
    EXPECT_EQ(ok.m_nStatus, 0);
    EXPECT_EQ(ok.m_strOut, "V pořádku, otázek: 1\n");

    TreeNode faulty;
    faulty.SetInt("count", 3, 0);
    AddQuestion(faulty, 0, "Q", 7);
    ASSERT_TRUE(faulty.SaveFile(path));
    const BankToolRun run = BankToolRun::Of(CheckCommand::Run, {path});
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_EQ(run.m_strOut, path + ": „otazka“ 1-2 chybí; ty otázky budou prázdné\n" + path +
                                ": otázka 1 „Q“: index správné odpovědi 7 leží mimo 0..2\n");
    const BankToolRun exported = BankToolRun::Of(ExportCommand::Run, {path});
    EXPECT_EQ(exported.m_nStatus, 1);
    EXPECT_THAT(exported.m_strOut, IsEmpty());
    EXPECT_THAT(exported.m_strErr, HasSubstr("nevyexportováno"));

    WriteBytes(dir.filePath("bank.dat"), "not a tree file at all");
    const BankToolRun damaged = BankToolRun::Of(CheckCommand::Run, {path});
    EXPECT_EQ(damaged.m_nStatus, 1);
    EXPECT_EQ(damaged.m_strOut, path + ": nejde přečíst: není to soubor gzip\n");
}

TEST(CheckCommandTest, WrongArgumentsAreUsageErrors)
{
    EXPECT_EQ(BankToolRun::Of(CheckCommand::Run, {}).m_nStatus, 2);
    const BankToolRun help = BankToolRun::Of(CheckCommand::Run, {"--help"});
    EXPECT_EQ(help.m_nStatus, 0);
    EXPECT_THAT(help.m_strOut, HasSubstr("použití: navik-bank check SOUBOR.dat [--pictures SLOŽKA]"));
}

} // namespace
