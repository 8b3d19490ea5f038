#pragma once

#include <exception>
#include <string>

// The error raised when a file cannot be opened, read, written or closed. It carries what the
// framework's file error carries: a portable cause, the operating system's error code and the
// name of the file. It does not decide how the error is shown; the caller's handler does.
class CFileException : public std::exception
{
public:
    enum Cause
    {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    explicit CFileException(int cause = none, long osError = -1, std::string fileName = {});

    // The portable cause for an error code of the system: errno on POSIX, GetLastError() on Windows.
    static int OsErrorToException(long osError);

    const char* what() const noexcept override;

    int m_cause;
    long m_lOsError;
    std::string m_strFileName;

private:
    // The system's own words for an error code, as one line without a full stop.
    static std::string SystemMessage(long osError);

    mutable std::string m_what;
};

[[noreturn]] void AfxThrowFileException(int cause, long osError = -1, const std::string& fileName = {});
