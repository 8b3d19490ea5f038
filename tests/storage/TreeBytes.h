#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Byte-level helpers for tests of the tree file format. They use zlib directly and never the
// code under test, so a test can build the bytes a conforming writer produces, or take apart
// what ours wrote.
namespace TreeBytes {

using Bytes = std::vector<std::uint8_t>;

// Paths are UTF-8, as storage takes them.
Bytes ReadFile(const std::string& path);
void WriteFile(const std::string& path, const Bytes& bytes);

// Inflates raw deflate data starting at offset; consumed receives the compressed bytes used.
Bytes RawInflate(const Bytes& file, std::size_t offset, std::size_t& consumed);

// The gzip header our writer uses, optionally with flag fields (FEXTRA 0x04, FNAME 0x08,
// FCOMMENT 0x10, FHCRC 0x02) and their contents.
Bytes GzipHeader(std::uint8_t flags = 0);
// header + magic + raw deflate of U at the given level + CRC-32 and length of U; splitEvery > 0
// adds a full flush after every that many bytes of U, as a streaming writer would.
Bytes TreeFile(const Bytes& u, const Bytes& header = GzipHeader(), int level = 6, std::size_t splitEvery = 0);
// U for a payload: its length L, then the payload.
Bytes StreamOf(const Bytes& payload);

// Builds a payload by hand: append the name table and records, then Finish() adds the checksum.
class Payload
{
public:
    Payload& Byte(std::uint8_t byte);
    Payload& Int32(std::int32_t value);
    Payload& Raw(const std::string& bytes);
    Payload& NameTable(const std::vector<std::string>& names);
    Payload& NodeStart(std::int32_t nameIndex, std::int32_t index);
    Payload& NodeEnd();
    Payload& Value(std::uint8_t type, std::int32_t nameIndex, std::int32_t index, const std::string& bytes);
    Payload& IntValue(std::int32_t nameIndex, std::int32_t index, std::int32_t value, std::uint8_t type = 2);
    // The payload with its exclusive-or checksum byte appended.
    Bytes Finish() const;

private:
    Bytes m_bytes;
};

} // namespace TreeBytes
