// Arbitrary bytes as the payload of a tree file, without its checksum byte. The harness adds the
// checksum, the length and the compressed framing, so mutations reach the payload parser instead
// of dying in the inflater or at the checksum.

#include <vector>
#include <zlib.h>

#include "TreeFuzzCheck.h"

namespace {

const char kMagic[] = "Lomvik Keyed Tree File Format, revision 2003    ";

void PutLe32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> u;
    PutLe32(u, static_cast<std::uint32_t>(size + 1));
    u.insert(u.end(), data, data + size);
    std::uint8_t checksum = 0;
    for (std::size_t i = 0; i < size; ++i) {
        checksum ^= data[i];
    }
    u.push_back(checksum);

    std::vector<std::uint8_t> file = {0x1F, 0x8B, 0x08, 0, 0, 0, 0, 0, 0, 0x0B};
    file.insert(file.end(), kMagic, kMagic + 48);
    uLongf deflatedSize = compressBound(static_cast<uLong>(u.size())) + 64;
    std::vector<std::uint8_t> deflated(deflatedSize);
    z_stream zs{};
    deflateInit2(&zs, 1, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    zs.next_in = u.data();
    zs.avail_in = static_cast<uInt>(u.size());
    zs.next_out = deflated.data();
    zs.avail_out = static_cast<uInt>(deflated.size());
    if (deflate(&zs, Z_FINISH) != Z_STREAM_END) {
        __builtin_trap();
    }
    file.insert(file.end(), deflated.begin(), deflated.begin() + static_cast<std::ptrdiff_t>(zs.total_out));
    deflateEnd(&zs);
    PutLe32(file, static_cast<std::uint32_t>(crc32(0, u.data(), static_cast<uInt>(u.size()))));
    PutLe32(file, static_cast<std::uint32_t>(u.size()));

    LoadTreeFileAndCheck(file.data(), file.size());
    return 0;
}
