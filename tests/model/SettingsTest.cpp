#include <gtest/gtest.h>

#include "TempDir.h"
#include "TreeBytes.h"
#include "model/Settings.h"
#include "storage/TreeNode.h"

using TreeBytes::Bytes;

namespace {

// The persisted members in file order, with their values and type codes, for building the
// expected payload by hand.
struct Key
{
    const char* name;
    std::uint8_t type;
};
const Key kKeysBeforeTest[] = {{"m_bUShowAll", 1},         {"m_nULast", 2},        {"m_nZLast", 2},
                               {"m_nZVsechny", 2},         {"m_nZPocetOtazek", 2}, {"m_nZNovytest", 2},
                               {"m_nZKontrolaOdpovedi", 2}};
const Key kKeysAfterTest[] = {{"m_testCount", 2}, {"m_testPos", 2},    {"m_nUZacatek", 2}, {"m_bZOnlyNew", 1},
                              {"m_nTimeTest", 2}, {"m_nTimeTotal", 2}, {"m_nTimeOver", 6}};

Bytes ExpectedPayload(const std::vector<std::int32_t>& before, const std::vector<std::int32_t>& test,
                      const std::vector<std::int32_t>& after)
{
    std::vector<std::string> names = {"Main"};
    for (const Key& key : kKeysBeforeTest) {
        names.push_back(key.name);
    }
    names.push_back("m_test");
    for (const Key& key : kKeysAfterTest) {
        names.push_back(key.name);
    }
    TreeBytes::Payload payload;
    payload.NameTable(names).NodeStart(0, 0);
    std::int32_t nameIndex = 1;
    auto add = [&](const Key& key, std::int32_t value, std::int32_t index) {
        if (key.type == 1) {
            payload.Value(1, nameIndex, index, std::string(1, static_cast<char>(value)));
        } else {
            payload.IntValue(nameIndex, index, value, key.type);
        }
    };
    for (std::size_t i = 0; i < 7; ++i, ++nameIndex) {
        add(kKeysBeforeTest[i], before[i], 0);
    }
    for (std::int32_t i = 0; i < 1000; ++i) {
        add({"m_test", 2}, test[static_cast<std::size_t>(i)], i);
    }
    ++nameIndex;
    for (std::size_t i = 0; i < 7; ++i, ++nameIndex) {
        add(kKeysAfterTest[i], after[i], 0);
    }
    return payload.NodeEnd().Finish();
}

Bytes SavedPayload(const Settings& settings)
{
    TempDir dir;
    TreeNode root;
    settings.SaveToNode(&root);
    EXPECT_TRUE(root.SaveFile(dir.File("navik.cfg")));
    const Bytes file = TreeBytes::ReadFile(dir.File("navik.cfg"));
    std::size_t consumed = 0;
    const Bytes u = TreeBytes::RawInflate(file, 58, consumed);
    EXPECT_EQ(std::size_t(u[0] | u[1] << 8 | u[2] << 16 | u[3] << 24), u.size() - 4);
    return Bytes(u.begin() + 4, u.end());
}

TEST(Settings, TheDefaultsGiveTheDocumentedFile)
{
    const Bytes expected =
        ExpectedPayload({1, 0, 0, 0, 70, 0, 0}, std::vector<std::int32_t>(1000, 0), {0, 0, 0, 1, 0, 60, 0});
    // The documented sizes: name table 191, root record 17,242, checksum 1.
    ASSERT_EQ(expected.size(), 17434u);
    EXPECT_EQ(SavedPayload(Settings()), expected);

    TreeNode root;
    Settings().SaveToNode(&root);
    EXPECT_EQ(root.GetValueCount(), 1014u);
}

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

TEST(Settings, ChangedMembersGiveTheirBytesInFileOrder)
{
    std::vector<std::int32_t> test(1000);
    for (std::size_t i = 0; i < 1000; ++i) {
        test[i] = static_cast<std::int32_t>(999 - i);
    }
    EXPECT_EQ(SavedPayload(Changed()),
              ExpectedPayload({0, 41, 17, 2, 25, 1, 1}, test, {25, 12, 1, 0, 1, 45, 754}));
}

TEST(Settings, AFileRestoresEveryPersistedMemberAndNothingElse)
{
    TempDir dir;
    {
        TreeNode root;
        Changed().SaveToNode(&root);
        ASSERT_TRUE(root.SaveFile(dir.File("navik.cfg")));
    }
    TreeNode root;
    root.LoadFile(dir.File("navik.cfg"));
    Settings s;
    s.LoadFromNode(&root);

    // The saved bytes of Changed() are checked above, so equal bytes mean every member came back.
    EXPECT_EQ(SavedPayload(s), SavedPayload(Changed()));
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

    s.LoadFromNode(nullptr);
    Settings().SaveToNode(nullptr);
    EXPECT_EQ(s.m_nZPocetOtazek, 30);
}

Settings StoredTest(int count, int pos)
{
    Settings s;
    s.m_bZOnlyNew = false;
    s.m_testCount = count;
    s.m_testPos = pos;
    for (std::size_t i = 0; i < 1000; ++i) {
        s.m_test[i] = static_cast<int>(i % 50);
    }
    return s;
}

TEST(Settings, FitToBankKeepsAStoredTestThatCanBeContinued)
{
    for (const auto& [count, pos] : {std::pair{10, 0}, std::pair{10, 9}, std::pair{1000, 999}}) {
        Settings s = StoredTest(count, pos);
        s.m_test[static_cast<std::size_t>(count % 1000)] =
            count == 1000 ? s.m_test[0] : 5000; // past the list
        s.m_nULast = 49;
        const auto before = s.m_test;
        s.FitToBank(50);
        EXPECT_FALSE(s.m_bZOnlyNew) << count;
        EXPECT_EQ(s.m_testCount, count);
        EXPECT_EQ(s.m_testPos, pos);
        EXPECT_EQ(s.m_test, before);
        EXPECT_EQ(s.m_nULast, 49);
    }
}

TEST(Settings, FitToBankDropsAStoredTestThatCannotBeContinued)
{
    const struct
    {
        const char* what;
        int count;
        int pos;
        int entry;
    } cases[] = {
        {"count above 1000", 1001, 0, 0},       {"negative count", -1, 0, 0},
        {"position past the count", 10, 11, 0}, {"negative position", 10, -1, 0},
        {"entry past the bank", 10, 0, 50},     {"negative entry", 10, 3, -2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Settings s = StoredTest(c.count, c.pos);
        s.m_test[9] = c.entry == 0 ? s.m_test[9] : c.entry;
        s.FitToBank(50);
        EXPECT_TRUE(s.m_bZOnlyNew);
        EXPECT_EQ(s.m_testCount, 0);
        EXPECT_EQ(s.m_testPos, 0);
    }
}

TEST(Settings, FitToBankEndsAStoredTestWithNothingLeftToAsk)
{
    for (const int count : {0, 10}) {
        Settings s = StoredTest(count, count);
        const auto before = s.m_test;
        s.FitToBank(50);
        EXPECT_TRUE(s.m_bZOnlyNew) << count;
        EXPECT_EQ(s.m_testCount, count);
        EXPECT_EQ(s.m_test, before);
    }
}

TEST(Settings, FitToBankRestartsLearningOutsideTheBank)
{
    for (const int last : {-1, 50, 1 << 30}) {
        Settings s;
        s.m_nULast = last;
        s.FitToBank(50);
        EXPECT_EQ(s.m_nULast, 0) << last;
    }
}

} // namespace
