#include <gtest/gtest.h>

#include <zlib.h>

#include "TempDir.h"
#include "TreeBytes.h"
#include "storage/CompressedFile.h"

using TreeBytes::Bytes;

// Reading what the writer wrote, optional header fields, broken deflate data, paths that cannot
// be opened and a close after a close are TreeFileTest's, through the tree file that is all this
// is used for. What the codec reports on closing a read stream goes unused, so it is not tested.
namespace {

constexpr unsigned kCreateWrite = CFile::modeCreate | CFile::modeWrite;

Bytes ReadAllCompressed(CompressedFile& file)
{
    Bytes out;
    std::uint8_t chunk[1000];
    while (const std::uint32_t n = file.Read(chunk, sizeof chunk)) {
        out.insert(out.end(), chunk, chunk + n);
    }
    return out;
}

Bytes Text(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

TEST(CompressedFile, WritingPutsTheHeaderFirstThenPlainThenCompressedBytesThenTheTrailer)
{
    TempDir dir;
    const std::string path = dir.File("out.gz");
    Bytes data(10000);
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<std::uint8_t>(i * i % 251);
    }
    {
        CompressedFile file(path, kCreateWrite);
        EXPECT_EQ(TreeBytes::ReadFile(path), TreeBytes::GzipHeader());
        file.SetCompressed(false);
        file.Write("PLAIN", 5);
        file.SetCompressed(true);
        file.Write(data.data(), 4000);
        file.Write(data.data() + 4000, static_cast<std::uint32_t>(data.size() - 4000));
        file.Close();
    }
    const Bytes bytes = TreeBytes::ReadFile(path);
    EXPECT_EQ(std::string(bytes.begin() + 10, bytes.begin() + 15), "PLAIN");
    std::size_t consumed = 0;
    EXPECT_EQ(TreeBytes::RawInflate(bytes, 15, consumed), data);
    ASSERT_EQ(15 + consumed + 8, bytes.size());
    const uLong crc = crc32(0, data.data(), static_cast<uInt>(data.size()));
    const Bytes trailer(bytes.end() - 8, bytes.end());
    EXPECT_EQ(trailer, (Bytes{static_cast<std::uint8_t>(crc), static_cast<std::uint8_t>(crc >> 8),
                              static_cast<std::uint8_t>(crc >> 16), static_cast<std::uint8_t>(crc >> 24),
                              0x10, 0x27, 0, 0}));
}

TEST(CompressedFile, ANonGzipFilePassesThroughUnchanged)
{
    TempDir dir;
    const std::string path = dir.File("plain.txt");
    const Bytes data = Text("plain text, no gzip here");
    TreeBytes::WriteFile(path, data);
    CompressedFile file(path, CFile::modeRead);
    EXPECT_TRUE(file.IsTransparent());
    EXPECT_EQ(ReadAllCompressed(file), data);
}

TEST(CompressedFile, ARefusedHeaderYieldsNoData)
{
    TempDir dir;
    const Bytes deflated = TreeBytes::RawDeflate(Text("data"));
    Bytes otherMethod = TreeBytes::GzipHeader();
    otherMethod[2] = 7;
    Bytes reservedFlag = TreeBytes::GzipHeader();
    reservedFlag[3] = 0x20;
    // A name field without its terminator runs to the end of the file.
    Bytes endlessName = TreeBytes::GzipHeader();
    endlessName[3] = 0x08;
    endlessName.insert(endlessName.end(), 5000, 'n');
    for (Bytes header : {otherMethod, reservedFlag, endlessName, TreeBytes::GzipHeader()}) {
        if (header != TreeBytes::GzipHeader() && header != endlessName) {
            header.insert(header.end(), deflated.begin(), deflated.end());
        }
        TreeBytes::WriteFile(dir.File("bad.gz"), header);
        CompressedFile file(dir.File("bad.gz"), CFile::modeRead);
        EXPECT_TRUE(file.HasBrokenHeader());
        EXPECT_EQ(ReadAllCompressed(file), Bytes{});
    }
}

} // namespace
