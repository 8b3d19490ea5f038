#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "storage/GzipStream.h"

class CFile;

// Gzip member framing (RFC 1952) over an already open file: the fixed header, raw deflate and
// inflate through zlib, and the CRC-32 and length trailer. The file is used only through its
// plain CFile operations, so a file class that routes its own Read and Write through this codec
// can hand itself in. The codec keeps no state between calls; everything lives in GzipStream.
class GzipCodec
{
public:
    static constexpr unsigned kBufferSize = 4096;

    // mode holds 'r' or 'w' and optionally a level digit; null when zlib cannot be set up.
    // Write mode writes the 10-byte header at once; read mode reads and skips the header.
    std::unique_ptr<GzipStream> OpenStream(const std::string& path, const char* mode, CFile* file) const;
    // Bytes delivered; 0 at the end or after a data error; Z_STREAM_ERROR when not reading.
    int ReadStream(GzipStream& stream, void* buffer, std::uint32_t count) const;
    // Bytes consumed; Z_STREAM_ERROR when not writing.
    int WriteStream(GzipStream& stream, const void* buffer, std::uint32_t count) const;
    // 0, a negative zlib status, or Z_STREAM_ERROR when not writing.
    int FlushStream(GzipStream& stream, int flush) const;
    // Finishes the stream (trailer written or checked), closes the file and frees the stream.
    // Returns Z_OK, or the failing status: of the final flush when writing, of the stream when reading.
    int CloseStream(std::unique_ptr<GzipStream> stream) const;

private:
    void ReadHeader(GzipStream& stream) const;
    int ReadTransparent(GzipStream& stream, Bytef* buffer, std::uint32_t count) const;
    void CheckTrailer(GzipStream& stream) const;
};
