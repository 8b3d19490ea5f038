#include <gtest/gtest.h>

#include <zlib.h>

#include "MissingPathErrors.h"
#include "TempDir.h"
#include "TreeBytes.h"
#include "framework/base/CFileException.h"
#include "storage/CompressedFile.h"
#include "storage/GzipCodec.h"

using TreeBytes::Bytes;

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

TEST(CompressedFile, ReadsBackWhatItWrote)
{
    TempDir dir;
    const std::string path = dir.File("round.gz");
    const Bytes data = Text(std::string(9000, 'z') + "end");
    {
        CompressedFile file(path, kCreateWrite);
        file.Write(data.data(), static_cast<std::uint32_t>(data.size()));
    } // the destructor closes in compressed mode
    CompressedFile file(path, CFile::modeRead);
    EXPECT_FALSE(file.IsTransparent());
    EXPECT_EQ(ReadAllCompressed(file), data);
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

TEST(CompressedFile, OptionalHeaderFieldsAreSkipped)
{
    TempDir dir;
    const Bytes data = Text("the data after the header");
    for (const std::uint8_t flags : {0x04, 0x08, 0x10, 0x02, 0x1E}) {
        SCOPED_TRACE(int(flags));
        Bytes file = TreeBytes::GzipHeader(flags);
        const Bytes deflated = TreeBytes::RawDeflate(data);
        file.insert(file.end(), deflated.begin(), deflated.end());
        TreeBytes::WriteFile(dir.File("flags.gz"), file);
        CompressedFile reader(dir.File("flags.gz"), CFile::modeRead);
        EXPECT_FALSE(reader.HasBrokenHeader());
        EXPECT_EQ(ReadAllCompressed(reader), data);
    }
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

TEST(CompressedFile, CorruptDeflateDataEndsTheStream)
{
    TempDir dir;
    Bytes file = TreeBytes::GzipHeader();
    const Bytes deflated = TreeBytes::RawDeflate(Text(std::string(100, 'a')), 0);
    file.insert(file.end(), deflated.begin(), deflated.end());
    file[10] = 0x07; // block type 3 is reserved
    TreeBytes::WriteFile(dir.File("corrupt.gz"), file);
    CompressedFile reader(dir.File("corrupt.gz"), CFile::modeRead);
    EXPECT_EQ(ReadAllCompressed(reader), Bytes{});
}

TEST(CompressedFile, WithoutAStreamCompressedReadAndWriteDoNothing)
{
    TempDir dir;
    const std::string path = dir.File("closed.gz");
    CompressedFile file(path, kCreateWrite);
    file.Close();
    char byte = 'x';
    file.Write(&byte, 1);
    EXPECT_EQ(file.Read(&byte, 1), 0u);
    EXPECT_EQ(TreeBytes::ReadFile(path).size(), 10u + 2 + 8); // header, empty deflate block, trailer
}

TEST(CompressedFile, AnUnopenablePathRaisesTheFileError)
{
    TempDir dir;
    try {
        CompressedFile file(dir.File("no/such/file"), CFile::modeRead);
        FAIL() << "no error raised";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.m_cause, kMissingFolder.cause);
        EXPECT_EQ(error.m_lOsError, kMissingFolder.osError);
        EXPECT_EQ(error.m_strFileName, dir.File("no/such/file"));
    }
}

TEST(GzipCodec, ClosingAFullyReadStreamChecksTheTrailer)
{
    TempDir dir;
    const Bytes data = Text("checked at the end");
    const GzipCodec codec;
    for (const bool damage : {false, true}) {
        Bytes file = TreeBytes::GzipHeader();
        const Bytes deflated = TreeBytes::RawDeflate(data);
        file.insert(file.end(), deflated.begin(), deflated.end());
        const uLong crc = crc32(0, data.data(), static_cast<uInt>(data.size())) ^ (damage ? 1 : 0);
        for (int i = 0; i < 4; ++i) {
            file.push_back(static_cast<std::uint8_t>(crc >> (8 * i)));
        }
        file.insert(file.end(), {static_cast<std::uint8_t>(data.size()), 0, 0, 0});
        TreeBytes::WriteFile(dir.File("t.gz"), file);

        CFile plain;
        ASSERT_TRUE(plain.Open(dir.File("t.gz"), CFile::modeRead));
        auto stream = codec.OpenStream(dir.File("t.gz"), "rb", &plain);
        ASSERT_TRUE(stream);
        EXPECT_EQ(codec.WriteStream(*stream, "x", 1), Z_STREAM_ERROR);
        Bytes out(100);
        EXPECT_EQ(codec.ReadStream(*stream, out.data(), 100), static_cast<int>(data.size()));
        EXPECT_EQ(codec.CloseStream(std::move(stream)), damage ? Z_DATA_ERROR : Z_OK);
        EXPECT_FALSE(plain.IsOpen());
    }
}

TEST(GzipCodec, AStreamNeedsAModeLetter)
{
    TempDir dir;
    CFile plain;
    ASSERT_TRUE(plain.Open(dir.File("m"), kCreateWrite));
    const GzipCodec codec;
    EXPECT_EQ(codec.OpenStream(dir.File("m"), "b9", &plain), nullptr);
    auto stream = codec.OpenStream(dir.File("m"), "w9", &plain);
    ASSERT_TRUE(stream);
    char buffer[4];
    EXPECT_EQ(codec.ReadStream(*stream, buffer, 4), Z_STREAM_ERROR);
    EXPECT_EQ(codec.CloseStream(std::move(stream)), Z_OK);
}

} // namespace
