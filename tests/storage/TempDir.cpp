#include "TempDir.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <stdexcept>

TempDir::TempDir()
{
    // TMPDIR, or /tmp, on POSIX; TMP or TEMP on Windows.
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    std::random_device entropy;
    for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, "navik-test-%08x", static_cast<unsigned>(entropy()));
        const std::filesystem::path candidate = base / name;
        if (std::filesystem::create_directory(candidate)) {
            std::filesystem::permissions(candidate, std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::replace);
            m_path = candidate.string();
        }
    }
    if (m_path.empty()) {
        throw std::runtime_error("no fresh folder under " + base.string());
    }
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

std::vector<std::string> TempDir::Entries() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_path)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}
