#include "storage/CompressedFile.h"

#include "framework/base/CFileException.h"

CompressedFile::CompressedFile(const std::string& path, unsigned flags)
{
    CFileException error;
    if (!Open(path, flags, &error)) {
        throw error;
    }
}

CompressedFile::~CompressedFile()
{
    // A destructor cannot raise; a write error that matters has already been raised by the Write
    // or Close that met it, and this only runs again while that error unwinds.
    try {
        Close();
    } catch (const CFileException&) {
    }
}

bool CompressedFile::Open(const std::string& path, unsigned flags, CFileException* error)
{
    if (!m_bCompressed) {
        return CFile::Open(path, flags, error);
    }
    if (!CFile::Open(path, flags, error)) {
        return false;
    }
    const bool writing = (flags & (modeWrite | modeReadWrite)) != 0;
    m_pStream = m_comp.OpenStream(path, writing ? "wb" : "rb", this);
    if (!m_pStream) {
        CFile::Close();
        if (error) {
            *error = CFileException(CFileException::genericException, -1, path);
        }
        return false;
    }
    return true;
}

std::uint32_t CompressedFile::Read(void* buffer, std::uint32_t count)
{
    if (!m_bCompressed) {
        return CFile::Read(buffer, count);
    }
    if (!m_pStream) {
        return 0;
    }
    const int n = m_comp.ReadStream(*m_pStream, buffer, count);
    return n > 0 ? static_cast<std::uint32_t>(n) : 0;
}

void CompressedFile::Write(const void* buffer, std::uint32_t count)
{
    if (!m_bCompressed) {
        CFile::Write(buffer, count);
        return;
    }
    if (!m_pStream) {
        return;
    }
    // Deflate refusing input would leave a file with a hole in it; report it like a failed write.
    if (m_comp.WriteStream(*m_pStream, buffer, count) != static_cast<int>(count)) {
        AfxThrowFileException(CFileException::genericException, -1, GetFilePath());
    }
}

void CompressedFile::Close()
{
    if (!m_bCompressed) {
        CFile::Close();
        return;
    }
    if (!m_pStream) {
        return;
    }
    const bool writing = m_pStream->m_mode == 'w';
    const int status = m_comp.CloseStream(std::move(m_pStream));
    // A written stream that could not be finished lacks its end; a read stream's status is of no use.
    if (writing && status != Z_OK) {
        AfxThrowFileException(CFileException::genericException, -1, GetFilePath());
    }
}

bool CompressedFile::IsTransparent() const
{
    return m_pStream && m_pStream->m_bTransparent;
}

bool CompressedFile::HasBrokenHeader() const
{
    return m_pStream && m_pStream->m_mode == 'r' && !m_pStream->m_bTransparent &&
           m_pStream->m_nError == Z_DATA_ERROR;
}
