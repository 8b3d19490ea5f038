#pragma once

#include <string>

// An empty, freshly created file beside a save's target, which Commit puts in the target's place
// and which is removed again otherwise. It is created exclusively, so it never clobbers a
// stranger's file, and carries the mark of a running save while it lives, so that the clean-up
// of another save takes only the temporaries that killed saves left behind. How a running save
// is marked is the system's part: a lock on POSIX, the open handle itself on Windows.
class TemporaryFile
{
public:
    // Removes the stale temporaries of target first; raises CFileException naming target.
    explicit TemporaryFile(const std::string& target);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& Path() const { return m_path; }

    // Forces the written bytes to the disk, then puts the file in the target's place.
    void Commit();

private:
    static constexpr int kNameAttempts = 100;

    // A temporary is named after its target: ".tmp" and eight hexadecimal digits follow.
    static std::string Suffix(unsigned random);
    static bool IsTemporaryOf(const std::string& entry, const std::string& targetName);
    static void RemoveStaleTemporaries(const std::string& target);

    std::string m_target;
    std::string m_path;
#ifdef _WIN32
    // The replace names the target by this full path, never relative to the current directory.
    std::wstring m_fullTarget;
    void* m_hFile = nullptr;
#else
    int m_fd = -1;
#endif
};
