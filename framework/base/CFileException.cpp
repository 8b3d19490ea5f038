#include "framework/base/CFileException.h"

#include <utility>

CFileException::CFileException(int cause, long osError, std::string fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(std::move(fileName))
{
}

const char* CFileException::what() const noexcept
{
    // Built on each call: the members are public, and a handler may adjust them before rethrowing.
    m_what = m_strFileName.empty() ? std::string("file error") : m_strFileName;
    m_what += m_lOsError > 0 ? ": " + SystemMessage(m_lOsError) : ": file error " + std::to_string(m_cause);
    return m_what.c_str();
}

void AfxThrowFileException(int cause, long osError, const std::string& fileName)
{
    throw CFileException(cause, osError, fileName);
}
