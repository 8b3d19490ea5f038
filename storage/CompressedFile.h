#pragma once

#include <memory>
#include <string>

#include "storage/CFile.h"
#include "storage/GzipCodec.h"
#include "storage/GzipStream.h"

// A file whose Read, Write and Close go either straight to the file or through a gzip stream,
// as SetCompressed says at the time of the call. This lets a tree file keep its magic text as
// plain bytes between the gzip header and the compressed data. Plain and compressed traffic may
// be mixed only in that order: all plain bytes first, because the stream buffers 4096 bytes
// ahead in both directions.
class CompressedFile : public CFile
{
public:
    // Opens the file and its stream; raises CFileException when either cannot be opened.
    CompressedFile(const std::string& path, unsigned flags);
    ~CompressedFile() override;

    bool Open(const std::string& path, unsigned flags, CFileException* error = nullptr) override;
    void SetCompressed(bool compressed) { m_bCompressed = compressed; }
    std::uint32_t Read(void* buffer, std::uint32_t count) override;
    void Write(const void* buffer, std::uint32_t count) override;
    void Close() override;

    // Read mode: the file did not start with the gzip identification and passes through as it is.
    bool IsTransparent() const;
    // Read mode, right after opening: the gzip header was refused (another method, reserved
    // flags, nothing after it), so every compressed read delivers nothing.
    bool HasBrokenHeader() const;

private:
    GzipCodec m_comp;
    std::unique_ptr<GzipStream> m_pStream;
    bool m_bCompressed = true;
};
