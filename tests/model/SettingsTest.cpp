#include <gtest/gtest.h>

#include "model/Settings.h"
#include "storage/TreeNode.h"

// The bytes and the order of the keys in the file are the settings golden file's test
// (tests/app); here each member's key, type code and value, and what a load takes back.

namespace {

Settings Changed()
{
    Settings s;
    s.m_bUShowAll = false;
    s.m_nUZacatek = 1;
    s.m_nULast = 41;
    s.m_nZLast = 17;
    s.m_nZVsechny = 2;
    s.m_nZPocetOtazek = 25;
    s.m_nZNovytest = 1;
    s.m_nZKontrolaOdpovedi = 1;
    for (std::size_t i = 0; i < 1000; ++i) {
        s.m_test[i] = static_cast<int>(999 - i);
    }
    s.m_testCount = 25;
    s.m_testPos = 12;
    s.m_bZOnlyNew = false;
    s.m_nTimeTest = 1;
    s.m_nTimeTotal = 45;
    s.m_nTimeOver = 754;
    // Never stored:
    s.m_wrong[0] = 5;
    s.m_wrongCount = 3;
    s.m_rightCount = 9;
    s.m_strExeDir = "/opt/navik/";
    return s;
}

// Expects root to hold Changed()'s persisted members, each under its own key and type code.
void ExpectChangedStored(const TreeNode& root)
{
    const struct
    {
        const char* name;
        char type; // b: bool, i: integer, l: long
        int value;
    } keys[] = {{"m_bUShowAll", 'b', 0},          {"m_nULast", 'i', 41},        {"m_nZLast", 'i', 17},
                {"m_nZVsechny", 'i', 2},          {"m_nZPocetOtazek", 'i', 25}, {"m_nZNovytest", 'i', 1},
                {"m_nZKontrolaOdpovedi", 'i', 1}, {"m_testCount", 'i', 25},     {"m_testPos", 'i', 12},
                {"m_nUZacatek", 'i', 1},          {"m_bZOnlyNew", 'b', 0},      {"m_nTimeTest", 'i', 1},
                {"m_nTimeTotal", 'i', 45},        {"m_nTimeOver", 'l', 754}};
    EXPECT_EQ(root.GetValueCount(), 1014u);
    for (const auto& key : keys) {
        std::int32_t value = -99;
        bool flag = true;
        const bool found = key.type == 'b'   ? root.GetBool(key.name, flag, 0)
                           : key.type == 'l' ? root.GetLong(key.name, value, 0)
                                             : root.GetInt(key.name, value, 0);
        EXPECT_TRUE(found) << key.name;
        EXPECT_EQ(key.type == 'b' ? int(flag) : value, key.value) << key.name;
    }
    for (std::int32_t i = 0; i < 1000; ++i) {
        std::int32_t value = -1;
        ASSERT_TRUE(root.GetInt("m_test", value, i)) << i;
        EXPECT_EQ(value, 999 - i);
    }
}

TEST(Settings, EachPersistedMemberHasItsKeyAndComesBackAndNothingElseDoes)
{
    TreeNode root;
    Changed().SaveToNode(&root);
    ExpectChangedStored(root);

    Settings s;
    s.LoadFromNode(&root);
    TreeNode again;
    s.SaveToNode(&again);
    ExpectChangedStored(again);
    EXPECT_EQ(s.m_wrong[0], 0);
    EXPECT_EQ(s.m_wrongCount, 0);
    EXPECT_EQ(s.m_rightCount, 0);
    EXPECT_EQ(s.m_strExeDir, "c:\\");
}

TEST(Settings, MissingOrDifferentlyTypedKeysKeepTheirDefaults)
{
    TreeNode root;
    root.SetInt("m_nTimeOver", 99, 0); // stored with the integer code instead of the long one
    root.SetInt("m_nZPocetOtazek", 30, 0);
    root.SetInt("m_bZOnlyNew", 0, 0);
    root.SetBool("m_nTimeTotal", false, 0);
    root.SetInt("m_test", 77, 3);
    Settings s;
    s.LoadFromNode(&root);
    EXPECT_EQ(s.m_nTimeOver, 0);
    EXPECT_EQ(s.m_nZPocetOtazek, 30);
    EXPECT_TRUE(s.m_bZOnlyNew);
    EXPECT_EQ(s.m_nTimeTotal, 60);
    EXPECT_EQ(s.m_test[3], 77);
    EXPECT_EQ(s.m_test[2], 0);
    EXPECT_TRUE(s.m_bUShowAll);
}

TEST(Settings, FitToBankKeepsDropsOrEndsAStoredTestAndRestartsLearningOutsideTheBank)
{
    const struct
    {
        const char* what;
        int count;
        int pos;
        int entry; // put at position 9 when not 0
        int last;  // learning's last question
        bool finished;
        bool dropped;
    } cases[] = {
        {"at its start", 10, 0, 0, 49, false, false},
        {"at its last question", 10, 9, 0, -1, false, false},
        {"a full list at its last question", 1000, 999, 0, 50, false, false},
        {"count above 1000", 1001, 0, 0, 1 << 30, false, true},
        {"negative count", -1, 0, 0, 0, false, true},
        {"position past the count", 10, 11, 0, 0, false, true},
        {"negative position", 10, -1, 0, 0, false, true},
        {"entry past the bank", 10, 0, 50, 0, false, true},
        {"negative entry", 10, 3, -2, 0, false, true},
        {"an empty test", 0, 0, 0, 0, true, false},
        {"every question asked", 10, 10, 0, 0, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Settings s;
        for (std::size_t i = 0; i < 1000; ++i)
            s.m_test[i] = static_cast<int>(i % 50);
        s.m_testCount = c.count;
        s.m_testPos = c.pos;
        s.m_bZOnlyNew = false;
        if (c.entry != 0)
            s.m_test[9] = c.entry;
        if (c.count >= 0 && c.count < 1000)
            s.m_test[std::size_t(c.count)] = 5000; // past the list
        s.m_nULast = c.last;
        const auto before = s.m_test;
        s.FitToBank(50);
        EXPECT_EQ(s.m_bZOnlyNew, c.finished || c.dropped);
        EXPECT_EQ(s.m_testCount, c.dropped ? 0 : c.count);
        EXPECT_EQ(s.m_testPos, c.dropped ? 0 : c.pos);
        if (!c.dropped) {
            EXPECT_EQ(s.m_test, before);
        }
        EXPECT_EQ(s.m_nULast, c.last >= 0 && c.last < 50 ? c.last : 0);
    }
}

} // namespace
