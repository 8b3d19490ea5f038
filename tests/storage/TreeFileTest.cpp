#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "MissingPathErrors.h"
#include "SameTree.h"
#include "TempDir.h"
#include "TreeBytes.h"
#include "framework/base/CFileException.h"
#include "storage/TreeNode.h"

using TreeBytes::Bytes;

namespace {

// Loads bytes written as a file into a fresh node.
TreeLoadStatus LoadBytes(const TempDir& dir, const Bytes& file, TreeNode& node)
{
    const std::string path = dir.File("input.tree");
    TreeBytes::WriteFile(path, file);
    return node.LoadFileWithStatus(path);
}

TreeLoadStatus LoadPayload(const TempDir& dir, const Bytes& payload, TreeNode& node)
{
    return LoadBytes(dir, TreeBytes::TreeFile(TreeBytes::StreamOf(payload)), node);
}

// Names are listed in the order the writer meets them, each once, and the nodes under a child
// come before the parent's values.
TEST(TreeFileFormat, AWrittenTreeHasTheGoldenBytesAndEveryBitFlipIsCaught)
{
    TreeNode root;
    root.SetInt("count", 1, 0);
    TreeNode& question = root.AddChild("otazka", 0);
    question.SetText("text", "Co je to?", 0);
    question.SetInt("count", 2, 1);
    TempDir dir;
    ASSERT_TRUE(root.SaveFile(dir.File("bank.tree")));
    const Bytes file = TreeBytes::ReadFile(dir.File("bank.tree"));

    const Bytes expected = TreeBytes::Payload()
                               .NameTable({"Main", "otazka", "text", "count"})
                               .NodeStart(0, 0)
                               .NodeStart(1, 0)
                               .Value(4, 2, 0, "Co je to?")
                               .IntValue(3, 1, 2)
                               .NodeEnd()
                               .IntValue(3, 0, 1)
                               .NodeEnd()
                               .Finish();
    // The gzip header, the magic and the trailer's CRC-32 and length are those zlib frames it in.
    const Bytes framed = TreeBytes::TreeFile(TreeBytes::StreamOf(expected));
    ASSERT_GT(file.size(), 66u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 58), Bytes(framed.begin(), framed.begin() + 58));
    // The deflate data ends exactly at the trailer.
    std::size_t consumed = 0;
    EXPECT_EQ(TreeBytes::RawInflate(file, 58, consumed), TreeBytes::StreamOf(expected));
    EXPECT_EQ(58 + consumed + 8, file.size());
    EXPECT_EQ(Bytes(file.end() - 8, file.end()), Bytes(framed.end() - 8, framed.end()));

    for (std::size_t bit = 0; bit < expected.size() * 8; ++bit) {
        Bytes flipped = expected;
        flipped[bit / 8] ^= static_cast<std::uint8_t>(1u << (bit % 8));
        TreeNode node;
        ASSERT_EQ(LoadPayload(dir, flipped, node), TreeLoadStatus::ChecksumMismatch) << "bit " << bit;
        EXPECT_TRUE(SameTree(node, TreeNode()));
    }
}

// The gzip trailer is not checked: every file here has a wrong CRC-32 in it.
TEST(TreeFileFormat, ReadsAnyConformingDeflateStreamSkipsGzipHeaderFieldsAndIgnoresTheTrailer)
{
    const Bytes payload = TreeBytes::Payload()
                              .NameTable({"Root", "text", "count"})
                              .NodeStart(0, -7)
                              .Value(4, 1, 1, std::string(5000, 'q') + "konec")
                              .IntValue(2, 0, 150)
                              .NodeEnd()
                              .Finish();
    struct Writer
    {
        std::uint8_t flags;
        int level;
        std::size_t splitEvery;
    };
    const Writer writers[] = {{0, 0, 0},    {0, 1, 0},    {0, 9, 0},    {0, 6, 100},    {0x04, 6, 0},
                              {0x08, 6, 0}, {0x10, 6, 0}, {0x02, 6, 0}, {0x1E, 9, 1000}};
    TreeNode expected("Root", -7);
    expected.SetText("text", std::string(5000, 'q') + "konec", 1);
    expected.SetInt("count", 150, 0);
    TempDir dir;
    for (const Writer& writer : writers) {
        SCOPED_TRACE(::testing::Message() << "flags " << int(writer.flags) << " level " << writer.level);
        TreeNode node;
        Bytes file = TreeBytes::TreeFile(TreeBytes::StreamOf(payload), TreeBytes::GzipHeader(writer.flags),
                                         writer.level, writer.splitEvery);
        file[file.size() - 8] ^= 0xFF;
        ASSERT_EQ(LoadBytes(dir, file, node), TreeLoadStatus::Loaded);
        EXPECT_TRUE(SameTree(node, expected));
    }
}

// A few values are searched and many indexed; either way the first of duplicates is found.
TEST(TreeFileFormat, ValuesBeforeAndAfterChildrenAndTheFirstOfDuplicatesAreRead)
{
    const Bytes few = TreeBytes::Payload()
                          .NameTable({"Root", "v", "child"})
                          .NodeStart(0, -3)
                          .IntValue(1, 0, 1)
                          .NodeStart(2, 4)
                          .NodeEnd()
                          .IntValue(1, 0, 2)
                          .NodeEnd()
                          .Finish();
    TempDir dir;
    TreeNode small;
    ASSERT_EQ(LoadPayload(dir, few, small), TreeLoadStatus::Loaded);
    ASSERT_EQ(small.GetValueCount(), 2u);
    EXPECT_EQ(small.FindValue("v", 0), 0);
    ASSERT_NE(small.FindChild("child", 4), nullptr);

    constexpr std::int32_t kCount = 100;
    auto builder = TreeBytes::Payload().NameTable({"Main", "m_test"}).NodeStart(0, 0);
    for (std::int32_t i = 0; i < kCount; ++i) {
        builder.IntValue(1, i, 1000 + i);
    }
    TreeNode node;
    ASSERT_EQ(LoadPayload(dir, builder.IntValue(1, 7, -1).NodeEnd().Finish(), node), TreeLoadStatus::Loaded);
    ASSERT_EQ(node.GetValueCount(), std::size_t(kCount + 1));
    for (std::int32_t i = kCount - 1; i >= 0; --i) {
        std::int32_t v = 0;
        ASSERT_TRUE(node.GetInt("m_test", v, i)) << i;
        EXPECT_EQ(v, 1000 + i);
    }
    EXPECT_EQ(node.FindValue("m_test", 7), 7);
    EXPECT_EQ(node.FindValue("m_test", kCount), -1);

    // Values added after the look-ups are found, and an existing one is replaced in place.
    node.SetInt("m_test", 5, kCount);
    node.SetInt("m_test", 6, 3);
    EXPECT_EQ(node.FindValue("m_test", kCount), kCount + 1);
    std::int32_t v = 0;
    EXPECT_TRUE(node.GetInt("m_test", v, 3));
    EXPECT_EQ(v, 6);
    EXPECT_EQ(node.GetValueCount(), std::size_t(kCount + 2));
}

void FillRandomly(TreeNode& node, std::mt19937& rng, int depth)
{
    // "Main" and "main" are different names.
    static const char* const kNames[] = {"Main", "otazka", "text", "main", "", "U\xE8\x65n\xED", "a b"};
    static const std::uint8_t kTypes[] = {1, 2, 4, 6, 0, 3, 200};
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const int values = pick(9);
    for (int i = 0; i < values; ++i) {
        // Now and then a value of random bytes that deflate cannot shrink below its output buffer,
        // so that a write hands on full buffers in the middle.
        Bytes bytes(static_cast<std::size_t>(pick(8) == 0 ? 20000 + pick(2000) : pick(40)));
        for (auto& byte : bytes) {
            byte = static_cast<std::uint8_t>(rng());
        }
        node.SetValue(kNames[pick(7)], bytes.data(), static_cast<std::int32_t>(bytes.size()), kTypes[pick(7)],
                      pick(5) - 1);
    }
    const int children = depth < 3 ? pick(4) : 0;
    for (int i = 0; i < children; ++i) {
        FillRandomly(node.AddChild(kNames[pick(7)], static_cast<std::int32_t>(rng())), rng, depth + 1);
    }
}

TEST(TreeFileFormat, WriteThenReadReproducesRandomTrees)
{
    TempDir dir;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        std::mt19937 rng(seed);
        TreeNode original;
        FillRandomly(original, rng, 0);
        ASSERT_TRUE(original.SaveFile(dir.File("tree")));
        TreeNode copy;
        ASSERT_EQ(copy.LoadFileWithStatus(dir.File("tree")), TreeLoadStatus::Loaded);
        EXPECT_TRUE(SameTree(original, copy));
    }
}

Bytes NestedPayload(int depth)
{
    TreeBytes::Payload payload;
    payload.NameTable({"Main", "n"}).NodeStart(0, 0);
    for (int i = 0; i < depth; ++i) {
        payload.NodeStart(1, i);
    }
    for (int i = 0; i <= depth; ++i) {
        payload.NodeEnd();
    }
    return payload.Finish();
}

TEST(TreeFileFormat, NestingIsLimitedTheSameWayForReaderAndWriterAndNamesWithZeroAreNotWritten)
{
    TempDir dir;
    TreeNode shallow;
    EXPECT_EQ(LoadPayload(dir, NestedPayload(100), shallow), TreeLoadStatus::Loaded);

    TreeNode root;
    TreeNode* node = &root;
    for (int i = 0; i < 100; ++i) {
        node = &node->AddChild("n", i);
    }
    EXPECT_TRUE(root.SaveFile(dir.File("deep")));
    node->AddChild("n", 100);
    EXPECT_FALSE(root.SaveFile(dir.File("deeper")));
    // Nor is a name with a zero byte in it written.
    TreeNode zero;
    zero.SetInt(std::string("a\0b", 3), 1, 0);
    EXPECT_FALSE(zero.SaveFile(dir.File("zero")));
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"deep", "input.tree"}));
}

struct Damaged
{
    const char* what;
    Bytes file;
    TreeLoadStatus status;
};

Damaged Refused(const char* what, const Bytes& payload)
{
    return {what, TreeBytes::TreeFile(TreeBytes::StreamOf(payload)), TreeLoadStatus::MalformedPayload};
}

Bytes StreamWithLength(std::uint32_t length, std::size_t bytesBehind)
{
    Bytes u = {static_cast<std::uint8_t>(length), static_cast<std::uint8_t>(length >> 8),
               static_cast<std::uint8_t>(length >> 16), static_cast<std::uint8_t>(length >> 24)};
    u.resize(4 + bytesBehind, 0x55);
    return u;
}

// Refused with the reason: short or lying streams, and payloads that do not fit.
TEST(TreeFileFormat, DamagedFilesAreRefusedWhole)
{
    using TreeBytes::Payload;
    const auto body = [] { return Payload().NameTable({"Main", "v"}).NodeStart(0, 0); };
    // A good file of one payload byte with one byte changed.
    const auto changed = [](std::size_t at, std::uint8_t value) {
        Bytes f = TreeBytes::TreeFile(StreamWithLength(1, 1));
        f[at] = value;
        return f;
    };
    // A name field without its terminator runs to the end of the file.
    Bytes endlessName = TreeBytes::GzipHeader();
    endlessName[3] = 0x08;
    endlessName.resize(5000, 'n');
    const Damaged cases[] = {
        {"no magic", TreeBytes::GzipHeader(), TreeLoadStatus::WrongMagic},
        {"other magic", changed(20, 'a'), TreeLoadStatus::WrongMagic},
        {"no length", TreeBytes::TreeFile({1, 0}), TreeLoadStatus::DataEndsEarly},
        {"length beyond the data", TreeBytes::TreeFile(StreamWithLength(50 * 1024 * 1024, 100)),
         TreeLoadStatus::DataEndsEarly},
        {"length 2^31 - 1", TreeBytes::TreeFile(StreamWithLength(0x7FFFFFFF, 100)),
         TreeLoadStatus::MalformedPayload},
        {"length 0", TreeBytes::TreeFile(StreamWithLength(0, 10)), TreeLoadStatus::MalformedPayload},
        {"negative length", TreeBytes::TreeFile(StreamWithLength(0xFFFFFFF0, 10)),
         TreeLoadStatus::MalformedPayload},
        {"broken deflate data", changed(58, 0xFF), TreeLoadStatus::DataEndsEarly},
        {"not gzip", Bytes(200, 'x'), TreeLoadStatus::NotGzip},
        {"empty file", Bytes{}, TreeLoadStatus::NotGzip},
        {"gzip header of another method", changed(2, 9), TreeLoadStatus::NotGzip},
        {"gzip header with a reserved flag", changed(3, 0x20), TreeLoadStatus::NotGzip},
        {"gzip name field that never ends", endlessName, TreeLoadStatus::WrongMagic},
        Refused("name index past the table", body().IntValue(2, 0, 1).NodeEnd().Finish()),
        Refused("negative name index", body().IntValue(-1, 0, 1).NodeEnd().Finish()),
        Refused("node name index past the table",
                Payload().NameTable({"Main"}).NodeStart(1, 0).NodeEnd().Finish()),
        Refused("negative name count", Payload().Int32(-1).NodeStart(0, 0).NodeEnd().Finish()),
        Refused("name count beyond the bytes", Payload().Int32(1000).Raw("Main").Byte(0).Finish()),
        Refused("name without terminator", Payload().Int32(1).Raw("Main").Finish()),
        Refused("value size past the end",
                body().Byte(2).Int32(1).Int32(0).Int32(100).Int32(5).NodeEnd().Finish()),
        Refused("negative value size", body().Byte(2).Int32(1).Int32(0).Int32(-4).NodeEnd().Finish()),
        Refused("value record cut short", body().Byte(2).Int32(1).Finish()),
        Refused("missing end marker", body().IntValue(1, 0, 1).Finish()),
        Refused("bytes after the root", body().NodeEnd().Byte(0).Finish()),
        Refused("root without start marker",
                Payload().NameTable({"Main"}).Byte(0).Int32(0).Int32(0).NodeEnd().Finish()),
        Refused("only the checksum", Payload().Finish()),
        Refused("101 levels", NestedPayload(101)),
        // So many start markers must not exhaust the stack either.
        Refused("200000 levels", NestedPayload(200000)),
    };
    TempDir dir;
    for (const Damaged& c : cases) {
        SCOPED_TRACE(c.what);
        TreeNode node;
        EXPECT_EQ(LoadBytes(dir, c.file, node), c.status);
        EXPECT_TRUE(SameTree(node, TreeNode()));
    }
}

TEST(TreeFileErrors, PathsThatCannotBeOpenedRaiseTheFileErrorNamingThem)
{
    TempDir dir;
    const struct
    {
        const char* what;
        std::string path;
        bool save;
        int cause;
        long osError; // 0: whatever the system says
    } cases[] = {
        {"a missing file", dir.File("missing.dat"), false, kMissingFile.cause, kMissingFile.osError},
        {"a file in a missing folder", dir.File("no/such/file"), false, kMissingFolder.cause,
         kMissingFolder.osError},
        {"a folder", dir.Path(), false, CFileException::accessDenied, 0},
        {"a save into a missing folder", dir.File("absent/navik.cfg"), true, kMissingFolder.cause,
         kMissingFolder.osError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TreeNode node;
        try {
            c.save ? (void)node.SaveFile(c.path) : node.LoadFile(c.path);
            ADD_FAILURE() << "no error raised";
        } catch (const CFileException& error) {
            EXPECT_EQ(error.m_cause, c.cause);
            EXPECT_TRUE(c.osError == 0 || error.m_lOsError == c.osError) << error.m_lOsError;
            EXPECT_EQ(error.m_strFileName, c.path);
        }
        EXPECT_TRUE(SameTree(node, TreeNode()));
    }
    EXPECT_TRUE(dir.Entries().empty());
}

// Mode bits are POSIX's; TreeFileWin32Test.cpp covers what Windows has instead. Failed writes
// into an old file are SaveFaultTest's.
#ifndef _WIN32
TEST(TreeFileErrors, AReplacementKeepsThePermissionsOfTheOldFile)
{
    TempDir dir;
    const std::string path = dir.File("navik.cfg");
    ASSERT_TRUE(TreeNode().SaveFile(path));
    std::filesystem::permissions(path, std::filesystem::perms(0640));
    ASSERT_TRUE(TreeNode().SaveFile(path));
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"navik.cfg"});
}
#endif

TEST(TreeFileErrors, AFailedRenameRemovesTheTemporaryFile)
{
    TempDir dir;
    const std::string path = dir.File("occupied");
    ASSERT_TRUE(std::filesystem::create_directory(path));
    EXPECT_THROW(TreeNode().SaveFile(path), CFileException);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"occupied"});
}

} // namespace
