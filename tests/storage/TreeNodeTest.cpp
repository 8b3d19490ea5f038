#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "storage/TreeNode.h"

// Byte order and the written name table are in TreeFileTest's golden bytes, names that differ
// only in case in its random round trip.
namespace {

TEST(TreeNode, ValuesAndChildrenAreAddressedByExactNameAndIndex)
{
    // The default name and index are in TreeFileTest's golden bytes.
    TreeNode root;
    root.SetInt("a", 5, 0);
    root.SetInt("a", 7, 1);
    std::int32_t x = 0;
    EXPECT_TRUE(root.GetInt("a", x, 1));
    EXPECT_EQ(x, 7);
    EXPECT_TRUE(root.GetInt("a", x, 0));
    EXPECT_EQ(x, 5);
    EXPECT_EQ(root.FindValue("a", 2), -1);
    EXPECT_EQ(root.FindValue("A", 0), -1);

    root.SetInt("otazka", 1, 3);
    TreeNode& first = root.AddChild("otazka", 3);
    root.AddChild("otazka", 3);
    EXPECT_EQ(root.FindChild("otazka", 3), &first);
    EXPECT_EQ(root.FindChild("otazka", 2), nullptr);
    EXPECT_EQ(root.FindChild("Otazka", 3), nullptr);
    EXPECT_EQ(root.GetChildCount(), 2u);

    // Another type replaces the value in place.
    root.SetBool("a", true, 1);
    ASSERT_EQ(root.GetValueCount(), 3u);
    EXPECT_EQ(root.GetValueAt(1).GetType(), TreeValue::TypeBool);
    EXPECT_EQ(root.GetValueAt(1).GetSize(), 1);
    bool b = false;
    EXPECT_TRUE(root.GetBool("a", b, 1));
    EXPECT_TRUE(b);
}

TEST(TreeNode, TypedGettersTakeOnlyTheirTypeCodeAndSizeAndSetValueOnlyCodesOfValues)
{
    TreeNode node;
    const std::uint8_t eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    node.SetLong("long", 9, 0);
    node.SetInt("int", 8, 0);
    node.SetBool("bool", true, 0);
    node.SetValue("int8", eight, 8, TreeValue::TypeInt, 0);
    node.SetValue("long3", eight, 3, TreeValue::TypeLong, 0);
    node.SetValue("bool2", eight, 2, TreeValue::TypeBool, 0);
    node.SetValue("empty", nullptr, 0, TreeValue::TypeInt, 0);

    std::int32_t x = 77;
    for (const char* name : {"long", "bool", "int8", "empty"}) {
        EXPECT_FALSE(node.GetInt(name, x, 0)) << name;
    }
    for (const char* name : {"int", "long3"}) {
        EXPECT_FALSE(node.GetLong(name, x, 0)) << name;
    }
    EXPECT_EQ(x, 77);
    EXPECT_TRUE(node.GetLong("long", x, 0));
    EXPECT_EQ(x, 9);
    bool b = false;
    EXPECT_FALSE(node.GetBool("int", b, 0));
    EXPECT_FALSE(node.GetBool("bool2", b, 0));
    EXPECT_FALSE(b);

    std::uint8_t small[4] = {9, 9, 9, 9};
    EXPECT_FALSE(node.GetValue("int8", small, sizeof small, TreeValue::TypeInt, 0));
    EXPECT_EQ(small[0], 9);
    std::uint8_t large[8] = {};
    EXPECT_TRUE(node.GetValue("int8", large, sizeof large, TreeValue::TypeInt, 0));
    EXPECT_EQ(large[7], 8);

    // Any byte but zero is true.
    const std::uint8_t two = 2;
    node.SetValue("b", &two, 1, TreeValue::TypeBool, 0);
    ASSERT_TRUE(node.GetBool("b", b, 0));
    EXPECT_TRUE(b);

    // The codes that mark node records in the file and negative sizes are refused; code 0 is not.
    const std::size_t count = node.GetValueCount();
    EXPECT_FALSE(node.SetValue("x", &two, 1, 0xFE, 0));
    EXPECT_FALSE(node.SetValue("x", &two, 1, 0xFF, 0));
    EXPECT_FALSE(node.SetValue("x", &two, -1, TreeValue::TypeInt, 0));
    EXPECT_EQ(node.GetValueCount(), count);
    EXPECT_TRUE(node.SetValue("x", &two, 1, 0, 0));
}

// The cut at 1099 bytes is in QuestionBankTest's long answer.
TEST(TreeNode, GetTextAlwaysAssignsAndStopsAtZero)
{
    TreeNode node;
    node.SetText("plain", "Učení", 0);
    node.SetValue("terminated", "abc\0", 4, TreeValue::TypeText, 0);
    node.SetValue("inner zero", "ab\0cd", 5, TreeValue::TypeText, 0);
    node.SetText("empty", "", 0);
    node.SetInt("number", 1, 0);

    const struct
    {
        const char* name;
        bool found;
        std::string text;
    } cases[] = {
        {"plain", true, "Učení"}, {"terminated", true, "abc"}, {"inner zero", true, "ab"},
        {"empty", true, ""},      {"missing", false, ""},      {"number", false, ""},
    };
    for (const auto& c : cases) {
        std::string text = "old";
        EXPECT_EQ(node.GetText(c.name, text, 0), c.found) << c.name;
        EXPECT_EQ(text, c.text) << c.name;
    }
}

} // namespace
