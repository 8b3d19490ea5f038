#include "TreeBytes.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <numeric>
#include <stdexcept>
#include <zlib.h>

namespace TreeBytes {

namespace {

const char kMagic[] = "Lomvik Keyed Tree File Format, revision 2003    ";

void PutLe32(Bytes& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

// Raw deflate (no zlib wrapper).
Bytes RawDeflate(const Bytes& data, int level, std::size_t splitEvery)
{
    z_stream zs{};
    if (deflateInit2(&zs, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        throw std::runtime_error("deflateInit2");
    }
    Bytes out(deflateBound(&zs, data.size()) + 64 + (splitEvery ? 6 * (data.size() / splitEvery + 1) : 0));
    zs.next_out = out.data();
    zs.avail_out = static_cast<uInt>(out.size());
    std::size_t pos = 0;
    const std::size_t step = splitEvery ? splitEvery : data.size();
    do {
        const std::size_t n = std::min(step, data.size() - pos);
        zs.next_in = const_cast<Bytef*>(data.data() + pos);
        zs.avail_in = static_cast<uInt>(n);
        pos += n;
        const int flush = pos == data.size() ? Z_FINISH : Z_FULL_FLUSH;
        const int status = deflate(&zs, flush);
        if (status != (flush == Z_FINISH ? Z_STREAM_END : Z_OK)) {
            throw std::runtime_error("deflate");
        }
    } while (pos < data.size());
    out.resize(zs.total_out);
    deflateEnd(&zs);
    return out;
}

} // namespace

Bytes ReadFile(const std::string& path)
{
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

Bytes RawInflate(const Bytes& file, std::size_t offset, std::size_t& consumed)
{
    z_stream zs{};
    if (inflateInit2(&zs, -15) != Z_OK) {
        throw std::runtime_error("inflateInit2");
    }
    zs.next_in = const_cast<Bytef*>(file.data() + offset);
    zs.avail_in = static_cast<uInt>(file.size() - offset);
    Bytes out;
    int status = Z_OK;
    while (status == Z_OK) {
        std::uint8_t chunk[4096];
        zs.next_out = chunk;
        zs.avail_out = sizeof chunk;
        status = inflate(&zs, Z_NO_FLUSH);
        out.insert(out.end(), chunk, chunk + (sizeof chunk - zs.avail_out));
    }
    if (status != Z_STREAM_END) {
        inflateEnd(&zs);
        throw std::runtime_error("inflate did not reach the end of the deflate data");
    }
    consumed = zs.total_in;
    inflateEnd(&zs);
    return out;
}

Bytes GzipHeader(std::uint8_t flags)
{
    Bytes header = {0x1F, 0x8B, 0x08, flags, 0, 0, 0, 0, 0, 0x0B};
    if (flags & 0x04) {
        header.insert(header.end(), {5, 0, 'x', 't', 'r', 0, 'a'});
    }
    if (flags & 0x08) {
        header.insert(header.end(), {'n', 'a', 'v', 'i', 'k', '.', 'c', 'f', 'g', 0});
    }
    if (flags & 0x10) {
        header.insert(header.end(), {'a', ' ', 'c', 'o', 'm', 'm', 'e', 'n', 't', 0});
    }
    if (flags & 0x02) {
        const uLong crc = crc32(0, header.data(), static_cast<uInt>(header.size()));
        header.push_back(static_cast<std::uint8_t>(crc));
        header.push_back(static_cast<std::uint8_t>(crc >> 8));
    }
    return header;
}

Bytes TreeFile(const Bytes& u, const Bytes& header, int level, std::size_t splitEvery)
{
    Bytes file = header;
    file.insert(file.end(), kMagic, kMagic + 48);
    const Bytes deflated = RawDeflate(u, level, splitEvery);
    file.insert(file.end(), deflated.begin(), deflated.end());
    PutLe32(file, static_cast<std::uint32_t>(crc32(0, u.data(), static_cast<uInt>(u.size()))));
    PutLe32(file, static_cast<std::uint32_t>(u.size()));
    return file;
}

Bytes StreamOf(const Bytes& payload)
{
    Bytes u;
    PutLe32(u, static_cast<std::uint32_t>(payload.size()));
    u.insert(u.end(), payload.begin(), payload.end());
    return u;
}

Payload& Payload::Byte(std::uint8_t byte)
{
    m_bytes.push_back(byte);
    return *this;
}

Payload& Payload::Int32(std::int32_t value)
{
    PutLe32(m_bytes, static_cast<std::uint32_t>(value));
    return *this;
}

Payload& Payload::Raw(const std::string& bytes)
{
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return *this;
}

Payload& Payload::NameTable(const std::vector<std::string>& names)
{
    Int32(static_cast<std::int32_t>(names.size()));
    for (const std::string& name : names) {
        Raw(name).Byte(0);
    }
    return *this;
}

Payload& Payload::NodeStart(std::int32_t nameIndex, std::int32_t index)
{
    return Byte(0xFF).Int32(nameIndex).Int32(index);
}

Payload& Payload::NodeEnd()
{
    return Byte(0xFE);
}

Payload& Payload::Value(std::uint8_t type, std::int32_t nameIndex, std::int32_t index,
                        const std::string& bytes)
{
    return Byte(type).Int32(nameIndex).Int32(index).Int32(static_cast<std::int32_t>(bytes.size())).Raw(bytes);
}

Payload& Payload::IntValue(std::int32_t nameIndex, std::int32_t index, std::int32_t value, std::uint8_t type)
{
    return Byte(type).Int32(nameIndex).Int32(index).Int32(4).Int32(value);
}

Bytes Payload::Finish() const
{
    Bytes out = m_bytes;
    out.push_back(std::accumulate(out.begin(), out.end(), std::uint8_t{0}, std::bit_xor<std::uint8_t>()));
    return out;
}

} // namespace TreeBytes
