#pragma once

#include <cstdint>
#include <string>

class CFileException;

// A file on disk with the few operations the tree files need: open by path, read, write, seek,
// length and position, flush to stable storage, close. Every failure raises CFileException except
// Open's, which is reported through its result and an optional error record, as the framework's
// file class does it. Unbuffered: each call goes to the operating system.
class CFile
{
public:
    enum OpenFlags : unsigned
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
    };
    enum SeekPosition
    {
        begin = 0,
        current = 1,
        end = 2
    };

    CFile() = default;
    virtual ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    virtual bool Open(const std::string& path, unsigned flags, CFileException* error = nullptr);
    // Reads until count bytes arrived or the file ends; returns the number read.
    virtual std::uint32_t Read(void* buffer, std::uint32_t count);
    virtual void Write(const void* buffer, std::uint32_t count);
    virtual void Close();

    std::uint64_t Seek(std::int64_t offset, SeekPosition from);
    std::uint64_t GetLength() const;
    std::uint64_t GetPosition() const;
    // Pushes written data to the disk itself, not just to the operating system's cache.
    void Flush();

    bool IsOpen() const { return m_hFile != hFileNull; }
    const std::string& GetFilePath() const { return m_strFileName; }

private:
#ifdef _WIN32
    // The system's HANDLE, as void* so that including this header does not bring in <windows.h>.
    using Handle = void*;
    static constexpr Handle hFileNull = nullptr;
#else
    using Handle = int;
    static constexpr Handle hFileNull = -1;
#endif

    [[noreturn]] void ThrowOsError(int osError) const;

    Handle m_hFile = hFileNull;
    std::string m_strFileName;
};
