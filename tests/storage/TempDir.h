#pragma once

#include <string>
#include <vector>

// A fresh directory under the system's temporary directory, removed with everything in it.
// Paths are UTF-8 on every system, as storage takes them.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }
    // Names of the entries, sorted.
    std::vector<std::string> Entries() const;

private:
    std::string m_path;
};
