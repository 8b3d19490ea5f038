#pragma once

#include <cstddef>
#include <cstdint>

// Constants and integer coding of the tree file format, shared by its reader and writer.
namespace TreeFormat {

// Stored uncompressed between the gzip header and the deflate data, without a terminator.
inline constexpr char kMagic[] = "Lomvik Keyed Tree File Format, revision 2003    ";
inline constexpr std::size_t kMagicSize = sizeof kMagic - 1;
static_assert(kMagicSize == 48);

inline constexpr std::uint8_t kNodeStart = 0xFF;
inline constexpr std::uint8_t kNodeEnd = 0xFE;

inline constexpr std::int32_t kNodeRecordSize = 10;
inline constexpr std::int32_t kValueRecordHeaderSize = 13;

// Real trees are two levels deep and some hundred kilobytes long. The limits keep a damaged or
// hostile file from exhausting the stack or the memory; the writer refuses what the reader would.
inline constexpr int kMaxDepth = 100;
inline constexpr std::int64_t kMaxPayloadSize = 64 * 1024 * 1024;

// Every integer of the format is 32-bit two's complement, least significant byte first.
inline void PutInt32(std::uint8_t* out, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

inline std::int32_t GetInt32(const std::uint8_t* in)
{
    return static_cast<std::int32_t>(std::uint32_t(in[0]) | std::uint32_t(in[1]) << 8 |
                                     std::uint32_t(in[2]) << 16 | std::uint32_t(in[3]) << 24);
}

} // namespace TreeFormat
