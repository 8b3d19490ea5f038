#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "TreeBytes.h"

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
    return TreeBytes::TreeFile(
        TreeBytes::StreamOf(
            TreeBytes::Payload().Raw(std::string(reinterpret_cast<const char*>(data), size)).Finish()),
        TreeBytes::GzipHeader(), 1);
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
