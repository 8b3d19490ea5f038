#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <stdexcept>

#include "TempDir.h"
#include "TreeBytes.h"
#include "framework/base/CFileException.h"
#include "model/QuestionBank.h"
#include "model/QuestionSchema.h"
#include "storage/TreeNode.h"

namespace {

TreeNode& AddQuestion(TreeNode& root, int index, const std::string& text, int answer)
{
    TreeNode& child = root.AddChild("otazka", index);
    child.SetText("text", text, 0);
    for (int i = 1; i <= 3; ++i) {
        child.SetText("text", text + " " + std::to_string(i), i);
    }
    child.SetInt("odpoved", answer, 0);
    child.SetInt("isobr", 0, 0);
    return child;
}

TEST(QuestionBank, QuestionsComeFromTheirChildInDatabaseOrder)
{
    TreeNode root;
    root.SetInt("count", 4, 0);
    // Children are found by index, not by position; a picture name is read only for a
    // question with a picture.
    AddQuestion(root, 2, "third", 2).SetText("obrname", "obr001", 0);
    AddQuestion(root, 0, "first", 0);
    AddQuestion(root, 0, "shadowed", 1);
    root.AddChild("jina", 1).SetText("text", "not a question", 0);
    TreeNode& with = AddQuestion(root, 3, "pictured", 1);
    with.SetInt("isobr", 1, 0);
    with.SetText("obrname", "obr002", 0);

    QuestionBank bank;
    bank.LoadFromNode(root);
    ASSERT_EQ(bank.GetSize(), 4);
    EXPECT_EQ(bank[0].m_strText[0], "first");
    EXPECT_EQ(bank[0].m_strText[3], "first 3");
    EXPECT_EQ(bank[0].m_nAnswer, 0);
    EXPECT_EQ(bank[1].m_strText, (std::array<std::string, 4>{}));
    EXPECT_EQ(bank[1].m_nAnswer, -1);
    EXPECT_EQ(bank[2].m_strText[1], "third 1");
    EXPECT_EQ(bank[2].m_nAnswer, 2);
    EXPECT_EQ(bank[2].m_nPicture, 0);
    EXPECT_EQ(bank[2].m_strPicture, "");
    EXPECT_EQ(bank[3].m_nPicture, 1);
    EXPECT_EQ(bank[3].m_strPicture, "obr002");
}

TEST(QuestionBank, AMissingZeroNegativeOrAbsurdCountGivesAnEmptyBankAndIndexingPastTheBankRaises)
{
    for (const std::optional<int> count : std::initializer_list<std::optional<int>>{
             std::nullopt, 0, -1, -2147483647 - 1, QuestionSchema::kMaxStoredQuestions + 1, 2147483647}) {
        TreeNode root;
        if (count) {
            root.SetInt("count", *count, 0);
        }
        AddQuestion(root, 0, "q", 0);
        QuestionBank bank;
        bank.SetSize(4);
        bank.LoadFromNode(root);
        EXPECT_EQ(bank.GetSize(), 0) << count.value_or(-99);
    }
    TreeNode largest;
    largest.SetInt("count", QuestionSchema::kMaxStoredQuestions, 0);
    QuestionBank bank;
    bank.LoadFromNode(largest);
    ASSERT_EQ(bank.GetSize(), QuestionSchema::kMaxStoredQuestions);
    EXPECT_NO_THROW(bank[QuestionSchema::kMaxStoredQuestions - 1]);
    EXPECT_THROW(bank[QuestionSchema::kMaxStoredQuestions], std::out_of_range);
    EXPECT_THROW(bank[-1], std::out_of_range);
}

TEST(QuestionBank, MissingOrMistypedValuesKeepTheDefaults)
{
    TreeNode root;
    root.SetInt("count", 1, 0);
    TreeNode& child = root.AddChild("otazka", 0);
    child.SetText("text", "question", 0);
    child.SetText("text", "a", 1);
    child.SetText("text", "c", 3);
    child.SetLong("odpoved", 1, 0);
    child.SetText("long", "", 0);
    child.SetText("text", std::string(1500, 'y'), 1);

    QuestionBank bank;
    bank.LoadFromNode(root);
    const Question& q = bank[0];
    EXPECT_EQ(q.m_strText[0], "question");
    EXPECT_EQ(q.m_strText[1], std::string(1099, 'y'));
    EXPECT_EQ(q.m_strText[2], "");
    EXPECT_EQ(q.m_strText[3], "c");
    EXPECT_EQ(q.m_nAnswer, -1);
    EXPECT_EQ(q.m_nPicture, 0);
}

TEST(QuestionDatabase, LoadsAFileEmptiesTheBankForAnUnreadableOneAndRaisesForAnUnopenableOne)
{
    TempDir dir;
    TreeNode root;
    root.SetInt("count", 2, 0);
    AddQuestion(root, 0, "Co je to bóje?", 1);
    AddQuestion(root, 1, "Kdo má přednost?", 2);
    ASSERT_TRUE(root.SaveFile(dir.File("Demootazky.dat")));

    QuestionBank bank;
    LoadQuestionDatabase(dir.File("Demootazky.dat"), bank);
    ASSERT_EQ(bank.GetSize(), 2);
    EXPECT_EQ(bank[1].m_strText[0], "Kdo má přednost?");
    EXPECT_EQ(bank[1].m_nAnswer, 2);

    TreeBytes::WriteFile(dir.File("broken.dat"), TreeBytes::Bytes(300, 0x1F));
    LoadQuestionDatabase(dir.File("broken.dat"), bank);
    EXPECT_EQ(bank.GetSize(), 0);

    // An unopenable file raises the file error and leaves the bank.
    bank.SetSize(3);
    EXPECT_THROW(LoadQuestionDatabase(dir.File("missing.dat"), bank), CFileException);
    EXPECT_EQ(bank.GetSize(), 3);
}

} // namespace
