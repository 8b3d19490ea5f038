#pragma once
// What the system reports for a file that is not there, and for a file in a folder that is not
// there. POSIX says the same of both; Windows tells them apart, and the second is a bad path.

#include "framework/base/CFileException.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#endif

struct MissingPathError
{
    int cause;
    long osError;
};

#ifdef _WIN32
inline constexpr MissingPathError kMissingFile{CFileException::fileNotFound, ERROR_FILE_NOT_FOUND};
inline constexpr MissingPathError kMissingFolder{CFileException::badPath, ERROR_PATH_NOT_FOUND};
#else
inline constexpr MissingPathError kMissingFile{CFileException::fileNotFound, ENOENT};
inline constexpr MissingPathError kMissingFolder{CFileException::fileNotFound, ENOENT};
#endif
