#include <QDir>
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

// A question node as the build writes it.
TreeNode& AddQuestion(TreeNode& root, std::int32_t index, const std::string& text, std::int32_t answer = 0,
                      const std::string& picture = {})
{
    TreeNode& node = root.AddChild("otazka", index);
    node.SetText("text", text, 0);
    node.SetText("text", "a", 1);
    node.SetText("text", "b", 2);
    node.SetText("text", "c", 3);
    node.SetInt("odpoved", answer, 0);
    node.SetInt("isobr", picture.empty() ? 0 : 1, 0);
    if (!picture.empty()) {
        node.SetText("obrname", picture, 0);
    }
    return node;
}

std::vector<std::string> Check(const TreeNode& root, const QString& pictures = {})
{
    std::vector<std::string> findings;
    for (const QString& finding : BankChecker::Check(root, pictures)) {
        findings.push_back(finding.toStdString());
    }
    return findings;
}

TEST(BankCheckerTest, ASoundBankHasNoFindings)
{
    TreeNode root;
    root.SetInt("count", 2, 0);
    AddQuestion(root, 1, "Second", 2, "sign");
    AddQuestion(root, 0, "First");
    EXPECT_THAT(Check(root), IsEmpty());
}

TEST(BankCheckerTest, CountMissingOrUnusable)
{
    TreeNode missing;
    AddQuestion(missing, 0, "Q");
    EXPECT_THAT(Check(missing), ElementsAre("\"count\" is missing; the program sees no questions"));

    TreeNode wrongType;
    wrongType.SetLong("count", 1, 0);
    AddQuestion(wrongType, 0, "Q");
    EXPECT_THAT(Check(wrongType),
                ElementsAre(HasSubstr("\"count\" is not an integer (type code 6, 4 bytes)")));

    TreeNode negative;
    negative.SetInt("count", -4, 0);
    EXPECT_THAT(Check(negative), ElementsAre("\"count\" is -4; the program sees no questions"));
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
    EXPECT_THAT(Check(root),
                ElementsAre("\"otazka\" 2 appears more than once; the program reads only the first",
                            "\"otazka\" 9 lies outside 0..5 and is never shown",
                            "\"otazka\" -1 lies outside 0..5 and is never shown",
                            "\"otazka\" 1, 3-5 missing; those questions show empty"));
}

TEST(BankCheckerTest, HugeCountStaysOneLine)
{
    TreeNode root;
    root.SetInt("count", 100000, 0);
    AddQuestion(root, 0, "Only");
    EXPECT_THAT(Check(root), ElementsAre("the bank holds 100000 questions; an exam can use at most 1000",
                                         "\"otazka\" 1-99999 missing; those questions show empty"));
    // Beyond what the program loads from a sound file it loads nothing.
    root.SetInt("count", 100001, 0);
    EXPECT_THAT(Check(root), ElementsAre("\"count\" is 100001; the program sees no questions"));
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
    EXPECT_THAT(
        Check(root),
        ElementsAre(
            "question 1 \"Three\": the correct answer index 3 is outside 0..2",
            "question 2 \"Minus\": the correct answer index -1 is outside 0..2",
            "question 3 \"Long\": the correct answer (\"odpoved\") is not an integer (type code 6, 4 bytes)",
            "question 4 \"No answer\": the correct answer (\"odpoved\") is missing"));
}

TEST(BankCheckerTest, EmptyMissingAndCutTexts)
{
    TreeNode root;
    root.SetInt("count", 1, 0);
    TreeNode& node = AddQuestion(root, 0, "Fine");
    node.SetText("text", " ", 1);
    node.SetInt("text", 5, 2);
    node.SetText("text", std::string("ab\0cd", 5), 3);
    EXPECT_THAT(Check(root), ElementsAre("question 1 \"Fine\": answer a is empty",
                                         "question 1 \"Fine\": answer b is not a text (type code 2, 4 bytes)",
                                         "question 1 \"Fine\": answer c is cut after 2 of its 5 bytes"));

    TreeNode long_;
    long_.SetInt("count", 1, 0);
    AddQuestion(long_, 0, std::string(1100, 'x'));
    EXPECT_THAT(Check(long_),
                ElementsAre(HasSubstr("the question text is cut after 1099 of its 1100 bytes")));

    // A stored terminator is part of the format, not a cut.
    TreeNode terminated;
    terminated.SetInt("count", 1, 0);
    AddQuestion(terminated, 0, std::string("Text\0", 5));
    EXPECT_THAT(Check(terminated), IsEmpty());

    TreeNode bare;
    bare.SetInt("count", 1, 0);
    bare.AddChild("otazka", 0).SetInt("odpoved", 0, 0);
    EXPECT_THAT(Check(bare), ElementsAre("question 1 (no text): the question text is missing",
                                         "question 1 (no text): answer a is missing",
                                         "question 1 (no text): answer b is missing",
                                         "question 1 (no text): answer c is missing"));
}

TEST(BankCheckerTest, Pictures)
{
    QTemporaryDir dir;
    WriteBytes(dir.filePath("here.gif"), "GIF89a");
    WriteBytes(dir.filePath("fake.gif"), "<html>");

    TreeNode root;
    root.SetInt("count", 5, 0);
    AddQuestion(root, 0, "Here", 0, "here");
    AddQuestion(root, 1, "Gone", 0, "gone");
    AddQuestion(root, 2, "Fake", 0, "fake");
    AddQuestion(root, 3, "Escapes", 0, "..\\system");
    AddQuestion(root, 4, "Nameless").SetInt("isobr", 1, 0);

    EXPECT_THAT(Check(root),
                ElementsAre(HasSubstr("question 4 \"Escapes\": the picture name \"..\\system\" points"),
                            "question 5 \"Nameless\": has a picture but no picture name (\"obrname\")"));
    const std::string path = dir.path().toStdString();
    EXPECT_THAT(Check(root, dir.path()),
                ElementsAre("question 2 \"Gone\": picture \"gone\": " + path + "/gone.gif does not exist",
                            "question 3 \"Fake\": picture \"fake\": " + path + "/fake.gif is not a GIF file",
                            HasSubstr("question 4 \"Escapes\""), HasSubstr("question 5 \"Nameless\"")));
}

class CheckCommandTest : public testing::Test
{
protected:
    std::string Save(const TreeNode& root)
    {
        const std::string path = m_dir.filePath("bank.dat").toStdString();
        EXPECT_TRUE(root.SaveFile(path));
        return path;
    }

    QTemporaryDir m_dir;
};

TEST_F(CheckCommandTest, ReportsOkWithTheQuestionCount)
{
    TreeNode root;
    root.SetInt("count", 1, 0);
    AddQuestion(root, 0, "Q");
    const BankToolRun run = BankToolRun::Of(CheckCommand::Run, {Save(root)});
    EXPECT_EQ(run.m_nStatus, 0);
    EXPECT_EQ(run.m_strOut, "OK: 1 question\n");
}

TEST_F(CheckCommandTest, OneLinePerFindingAndStatusOne)
{
    TreeNode root;
    root.SetInt("count", 3, 0);
    AddQuestion(root, 0, "Q", 7);
    const std::string path = Save(root);
    const BankToolRun run = BankToolRun::Of(CheckCommand::Run, {path});
    EXPECT_EQ(run.m_nStatus, 1);
    EXPECT_EQ(run.m_strOut, path + ": \"otazka\" 1-2 missing; those questions show empty\n" + path +
                                ": question 1 \"Q\": the correct answer index 7 is outside 0..2\n");

    const BankToolRun exported = BankToolRun::Of(ExportCommand::Run, {path});
    EXPECT_EQ(exported.m_nStatus, 1);
    EXPECT_THAT(exported.m_strOut, IsEmpty());
    EXPECT_THAT(exported.m_strErr, HasSubstr("not exported"));
}

TEST_F(CheckCommandTest, UnreadableFilesSayWhy)
{
    const QString damaged = m_dir.filePath("damaged.dat");
    WriteBytes(damaged, "not a tree file at all");
    const BankToolRun notTree = BankToolRun::Of(CheckCommand::Run, {damaged.toStdString()});
    EXPECT_EQ(notTree.m_nStatus, 1);
    EXPECT_THAT(notTree.m_strOut, HasSubstr(damaged.toStdString() + ": cannot read: "));

    const BankToolRun missing =
        BankToolRun::Of(CheckCommand::Run, {m_dir.filePath("none.dat").toStdString()});
    EXPECT_EQ(missing.m_nStatus, 1);
    EXPECT_THAT(missing.m_strOut, HasSubstr("cannot open"));

    EXPECT_EQ(BankToolRun::Of(CheckCommand::Run, {}).m_nStatus, 2);
    EXPECT_EQ(BankToolRun::Of(CheckCommand::Run, {"a.dat", "--pictures"}).m_nStatus, 2);
    const BankToolRun help = BankToolRun::Of(CheckCommand::Run, {"--help"});
    EXPECT_EQ(help.m_nStatus, 0);
    EXPECT_THAT(help.m_strOut, HasSubstr("usage: navik-bank check FILE.dat [--pictures DIR]"));
}

} // namespace
