#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "storage/TreeNode.h"

namespace {

TEST(TreeNode, ValuesAreAddressedByNameAndIndex)
{
    TreeNode node;
    node.SetInt("a", 5, 0);
    node.SetInt("a", 7, 1);
    ASSERT_EQ(node.GetValueCount(), 2u);
    std::int32_t x = 0;
    EXPECT_TRUE(node.GetInt("a", x, 1));
    EXPECT_EQ(x, 7);
    EXPECT_TRUE(node.GetInt("a", x, 0));
    EXPECT_EQ(x, 5);
    EXPECT_EQ(node.FindValue("a", 2), -1);
    // Names are exact byte strings: no case folding.
    EXPECT_EQ(node.FindValue("A", 0), -1);
}

TEST(TreeNode, SettingAnotherTypeReplacesTheValueInPlace)
{
    TreeNode node;
    node.SetInt("first", 1, 0);
    node.SetInt("a", 5, 0);
    node.SetInt("last", 2, 0);
    node.SetBool("a", true, 0);

    ASSERT_EQ(node.GetValueCount(), 3u);
    const TreeValue& value = node.GetValueAt(1);
    EXPECT_EQ(value.GetName(), "a");
    EXPECT_EQ(value.GetType(), TreeValue::TypeBool);
    EXPECT_EQ(value.GetSize(), 1);
    std::int32_t x = 42;
    EXPECT_FALSE(node.GetInt("a", x, 0));
    EXPECT_EQ(x, 42);
    bool b = false;
    EXPECT_TRUE(node.GetBool("a", b, 0));
    EXPECT_TRUE(b);
}

TEST(TreeNode, IntAndLongCodesAreNotInterchangeable)
{
    TreeNode node;
    node.SetLong("long", 9, 0);
    node.SetInt("int", 8, 0);
    std::int32_t x = -1;
    EXPECT_FALSE(node.GetInt("long", x, 0));
    EXPECT_FALSE(node.GetLong("int", x, 0));
    EXPECT_EQ(x, -1);
    EXPECT_TRUE(node.GetLong("long", x, 0));
    EXPECT_EQ(x, 9);
}

TEST(TreeNode, IntegersAreStoredLittleEndian)
{
    TreeNode node;
    node.SetInt("n", -2, 0);
    const auto bytes = node.GetValueAt(0).GetBytes();
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()),
              (std::vector<std::uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST(TreeNode, TypedGettersRefuseValuesOfAnotherSize)
{
    TreeNode node;
    const std::uint8_t eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    node.SetValue("int", eight, 8, TreeValue::TypeInt, 0);
    node.SetValue("long", eight, 3, TreeValue::TypeLong, 0);
    node.SetValue("bool", eight, 2, TreeValue::TypeBool, 0);
    node.SetValue("empty", nullptr, 0, TreeValue::TypeInt, 0);

    std::int32_t x = 77;
    EXPECT_FALSE(node.GetInt("int", x, 0));
    EXPECT_FALSE(node.GetLong("long", x, 0));
    EXPECT_FALSE(node.GetInt("empty", x, 0));
    EXPECT_EQ(x, 77);
    bool b = false;
    EXPECT_FALSE(node.GetBool("bool", b, 0));
    EXPECT_FALSE(b);

    std::uint8_t small[4] = {9, 9, 9, 9};
    EXPECT_FALSE(node.GetValue("int", small, sizeof small, TreeValue::TypeInt, 0));
    EXPECT_EQ(small[0], 9);
    std::uint8_t large[8] = {};
    EXPECT_TRUE(node.GetValue("int", large, sizeof large, TreeValue::TypeInt, 0));
    EXPECT_EQ(large[7], 8);
}

TEST(TreeNode, AnyNonZeroBoolByteReadsTrue)
{
    TreeNode node;
    const std::uint8_t two = 2;
    node.SetValue("b", &two, 1, TreeValue::TypeBool, 0);
    bool b = false;
    ASSERT_TRUE(node.GetBool("b", b, 0));
    EXPECT_TRUE(b);
}

TEST(TreeNode, GetTextAlwaysAssigns)
{
    TreeNode node;
    node.SetInt("number", 1, 0);
    std::string text = "old";
    EXPECT_FALSE(node.GetText("missing", text, 0));
    EXPECT_EQ(text, "");
    text = "old";
    EXPECT_FALSE(node.GetText("number", text, 0));
    EXPECT_EQ(text, "");
}

TEST(TreeNode, GetTextStopsAtZeroAndAt1099Bytes)
{
    TreeNode node;
    node.SetText("plain", "Učení", 0);
    node.SetValue("terminated", "abc\0", 4, TreeValue::TypeText, 0);
    node.SetValue("inner zero", "ab\0cd", 5, TreeValue::TypeText, 0);
    node.SetText("long", std::string(1500, 'x'), 0);
    node.SetText("empty", "", 0);

    std::string text;
    EXPECT_TRUE(node.GetText("plain", text, 0));
    EXPECT_EQ(text, "Učení");
    EXPECT_EQ(node.GetValueAt(0).GetSize(), static_cast<int>(std::string("Učení").size()));
    EXPECT_TRUE(node.GetText("terminated", text, 0));
    EXPECT_EQ(text, "abc");
    EXPECT_TRUE(node.GetText("inner zero", text, 0));
    EXPECT_EQ(text, "ab");
    EXPECT_TRUE(node.GetText("long", text, 0));
    EXPECT_EQ(text, std::string(1099, 'x'));
    EXPECT_TRUE(node.GetText("empty", text, 0));
    EXPECT_EQ(text, "");
}

TEST(TreeNode, SetValueRefusesNodeMarkerCodesAndNegativeSizes)
{
    TreeNode node;
    const std::uint8_t byte = 0;
    EXPECT_FALSE(node.SetValue("x", &byte, 1, 0xFE, 0));
    EXPECT_FALSE(node.SetValue("x", &byte, 1, 0xFF, 0));
    EXPECT_FALSE(node.SetValue("x", &byte, -1, TreeValue::TypeInt, 0));
    EXPECT_EQ(node.GetValueCount(), 0u);
    EXPECT_TRUE(node.SetValue("x", &byte, 1, 0, 0));
}

TEST(TreeNode, ChildrenAreAddressedByNameAndIndexApartFromValues)
{
    TreeNode root;
    EXPECT_EQ(root.GetName(), "Main");
    EXPECT_EQ(root.GetIndex(), 0);
    root.SetInt("otazka", 1, 3);
    TreeNode& first = root.AddChild("otazka", 3);
    first.SetInt("odpoved", 1, 0);
    root.AddChild("otazka", 3);

    EXPECT_EQ(root.FindChild("otazka", 3), &first);
    EXPECT_EQ(root.FindChild("otazka", 2), nullptr);
    EXPECT_EQ(root.FindChild("Otazka", 3), nullptr);
    EXPECT_EQ(root.GetChildCount(), 2u);
    EXPECT_EQ(root.GetValueCount(), 1u);
}

TEST(TreeNode, AddNameFindsOrAppends)
{
    std::vector<std::string> table;
    EXPECT_EQ(TreeNode::AddName(table, "Main"), 0);
    EXPECT_EQ(TreeNode::AddName(table, "m_test"), 1);
    EXPECT_EQ(TreeNode::AddName(table, "Main"), 0);
    EXPECT_EQ(TreeNode::AddName(table, "main"), 2);
    EXPECT_EQ(table, (std::vector<std::string>{"Main", "m_test", "main"}));
}

} // namespace
