#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>
#include <zlib.h>

#include "storage/TreeFormat.h"

namespace {

class ScratchDir
{
public:
    ScratchDir()
    {
        // Memory-backed when available: every input is written and read at least once.
        const std::string base =
            access("/dev/shm", W_OK) == 0 ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string pattern = base + "/navik-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        m_path = pattern;
    }
    ~ScratchDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string File(const char* name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

void PutLe32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

} // namespace

std::string ScratchPath(const char* name)
{
    static const ScratchDir dir;
    return dir.File(name);
}

std::string WriteScratchFile(const char* name, const std::uint8_t* data, std::size_t size)
{
    const std::string path = ScratchPath(name);
    std::FILE* out = std::fopen(path.c_str(), "wb");
    FuzzCheck(out && std::fwrite(data, 1, size, out) == size && std::fclose(out) == 0,
              "the scratch file is written");
    return path;
}

std::vector<std::uint8_t> FrameTreePayload(const std::uint8_t* data, std::size_t size)
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
    file.insert(file.end(), TreeFormat::kMagic, TreeFormat::kMagic + TreeFormat::kMagicSize);
    std::vector<std::uint8_t> deflated(compressBound(static_cast<uLong>(u.size())) + 64);
    z_stream zs{};
    deflateInit2(&zs, 1, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    zs.next_in = u.data();
    zs.avail_in = static_cast<uInt>(u.size());
    zs.next_out = deflated.data();
    zs.avail_out = static_cast<uInt>(deflated.size());
    FuzzCheck(deflate(&zs, Z_FINISH) == Z_STREAM_END, "the framing deflates");
    file.insert(file.end(), deflated.begin(), deflated.begin() + static_cast<std::ptrdiff_t>(zs.total_out));
    deflateEnd(&zs);
    PutLe32(file, static_cast<std::uint32_t>(crc32(0, u.data(), static_cast<uInt>(u.size()))));
    PutLe32(file, static_cast<std::uint32_t>(u.size()));
    return file;
}

std::vector<std::uint8_t> TreeFileFromInput(const std::uint8_t* data, std::size_t size)
{
    if (size >= 2 && data[0] == 0x1F && data[1] == 0x8B) {
        return {data, data + size};
    }
    return FrameTreePayload(data, size);
}

void FuzzCheck(bool condition, const char* promise)
{
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", promise);
        std::abort();
    }
}
