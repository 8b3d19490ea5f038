#include "storage/CFileException.h"

#include <cerrno>
#include <cstring>
#include <utility>

CFileException::CFileException(int cause, long osError, std::string fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(std::move(fileName))
{
}

int CFileException::OsErrorToException(long osError)
{
    switch (osError) {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case ESPIPE:
        return badSeek;
    case EIO:
        return hardIO;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return diskFull;
    default:
        return genericException;
    }
}

const char* CFileException::what() const noexcept
{
    // Built on each call: the members are public, and a handler may adjust them before rethrowing.
    m_what = m_strFileName.empty() ? std::string("file error") : m_strFileName;
    m_what += m_lOsError > 0 ? ": " + std::string(std::strerror(static_cast<int>(m_lOsError)))
                             : ": file error " + std::to_string(m_cause);
    return m_what.c_str();
}

void AfxThrowFileException(int cause, long osError, const std::string& fileName)
{
    throw CFileException(cause, osError, fileName);
}
