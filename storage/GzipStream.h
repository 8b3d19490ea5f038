#pragma once

#include <cstdint>
#include <string>
#include <vector>
#include <zlib.h>

class CFile;

// The state of one open gzip stream over a file, created by GzipCodec::OpenStream and consumed
// by GzipCodec::CloseStream. It holds data only; the codec does the work. Destroying it releases
// zlib's state even when the stream was never closed (an error unwound past it).
struct GzipStream
{
    GzipStream() = default;
    ~GzipStream();
    GzipStream(const GzipStream&) = delete;
    GzipStream& operator=(const GzipStream&) = delete;

    z_stream m_zs{};
    bool m_bZlibReady = false;
    // The last zlib status: Z_OK, Z_STREAM_END, Z_ERRNO (file read error), Z_STREAM_ERROR, Z_DATA_ERROR.
    int m_nError = Z_OK;
    bool m_bEndOfInput = false;
    CFile* m_pFile = nullptr;
    std::vector<Bytef> m_inBuffer;
    std::vector<Bytef> m_outBuffer;
    uLong m_crc = 0;
    std::string m_strPath;
    // Read mode only: the file does not start with the gzip identification and is passed through.
    bool m_bTransparent = false;
    char m_mode = '\0';
};
