#include "storage/GzipCodec.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "framework/base/CFileException.h"
#include "storage/CFile.h"

namespace {

constexpr int kLevel = 6;
constexpr int kMemoryLevel = 8;
// Negative window bits select raw deflate with a 32 KiB window: no zlib header, no Adler-32.
constexpr int kRawWindowBits = -15;

constexpr Bytef kGzipMagic0 = 0x1F;
constexpr Bytef kGzipMagic1 = 0x8B;
constexpr Bytef kFlagHeaderCrc = 0x02;
constexpr Bytef kFlagExtra = 0x04;
constexpr Bytef kFlagName = 0x08;
constexpr Bytef kFlagComment = 0x10;
constexpr Bytef kFlagsReserved = 0xE0;

// Identification, deflate, no flags, time 0, extra flags 0, operating system 11.
constexpr Bytef kHeader[10] = {kGzipMagic0, kGzipMagic1, Z_DEFLATED, 0, 0, 0, 0, 0, 0, 11};

std::uint32_t Clamp(std::uint32_t count)
{
    return std::min<std::uint32_t>(count, INT_MAX);
}

bool AtEnd(const CFile& file)
{
    return file.GetPosition() >= file.GetLength();
}

// Steps over a zero-terminated header field, or to the end of the file when it has no terminator.
void SkipZeroTerminated(CFile& file)
{
    Bytef chunk[256];
    for (;;) {
        const std::uint32_t n = file.CFile::Read(chunk, sizeof chunk);
        if (n == 0) {
            return;
        }
        const Bytef* zero = static_cast<const Bytef*>(std::memchr(chunk, 0, n));
        if (zero) {
            const auto past = static_cast<std::int64_t>(zero - chunk) + 1;
            file.Seek(past - static_cast<std::int64_t>(n), CFile::current);
            return;
        }
    }
}

void PutLittleEndian(Bytef* out, uLong value)
{
    for (int i = 0; i < 4; ++i) {
        out[i] = static_cast<Bytef>(value >> (8 * i));
    }
}

uLong GetLittleEndian(const Bytef* in)
{
    return uLong(in[0]) | uLong(in[1]) << 8 | uLong(in[2]) << 16 | uLong(in[3]) << 24;
}

} // namespace

std::unique_ptr<GzipStream> GzipCodec::OpenStream(const std::string& path, const char* mode,
                                                  CFile* file) const
{
    auto stream = std::make_unique<GzipStream>();
    GzipStream& s = *stream;
    s.m_strPath = path;
    s.m_pFile = file;
    int level = kLevel;
    for (const char* p = mode; p && *p; ++p) {
        if (*p == 'r' || *p == 'w') {
            s.m_mode = *p;
        } else if (*p >= '1' && *p <= '9') {
            level = *p - '0';
        }
    }
    if (s.m_mode == '\0' || !file) {
        return nullptr;
    }

    if (s.m_mode == 'w') {
        if (deflateInit2(&s.m_zs, level, Z_DEFLATED, kRawWindowBits, kMemoryLevel, Z_DEFAULT_STRATEGY) !=
            Z_OK) {
            return nullptr;
        }
        s.m_bZlibReady = true;
        s.m_outBuffer.resize(kBufferSize);
        s.m_zs.next_out = s.m_outBuffer.data();
        s.m_zs.avail_out = kBufferSize;
        file->CFile::Write(kHeader, sizeof kHeader);
        return stream;
    }

    if (inflateInit2(&s.m_zs, kRawWindowBits) != Z_OK) {
        return nullptr;
    }
    s.m_bZlibReady = true;
    s.m_inBuffer.resize(kBufferSize);
    s.m_zs.next_in = s.m_inBuffer.data();
    ReadHeader(s);
    return stream;
}

void GzipCodec::ReadHeader(GzipStream& s) const
{
    CFile& file = *s.m_pFile;
    const std::uint32_t got = file.CFile::Read(s.m_inBuffer.data(), 2);
    s.m_zs.avail_in = got;
    if (got < 2 || s.m_inBuffer[0] != kGzipMagic0 || s.m_inBuffer[1] != kGzipMagic1) {
        // Not gzip: the bytes read stay pending and are delivered first.
        s.m_bTransparent = true;
        return;
    }
    s.m_zs.avail_in = 0;

    // Method, flags, four bytes of time, extra flags, operating system.
    Bytef fixed[8];
    if (file.CFile::Read(fixed, sizeof fixed) < sizeof fixed || fixed[0] != Z_DEFLATED ||
        (fixed[1] & kFlagsReserved) != 0 || AtEnd(file)) {
        s.m_nError = Z_DATA_ERROR;
        return;
    }
    const Bytef flags = fixed[1];
    if (flags & kFlagExtra) {
        Bytef length[2];
        if (file.CFile::Read(length, sizeof length) < sizeof length) {
            s.m_nError = Z_DATA_ERROR;
            return;
        }
        file.Seek(length[0] | length[1] << 8, CFile::current);
    }
    if (flags & kFlagName) {
        SkipZeroTerminated(file);
    }
    if (flags & kFlagComment) {
        SkipZeroTerminated(file);
    }
    if (flags & kFlagHeaderCrc) {
        file.Seek(2, CFile::current);
    }
    if (AtEnd(file)) {
        s.m_nError = Z_DATA_ERROR;
    }
}

int GzipCodec::ReadStream(GzipStream& s, void* buffer, std::uint32_t count) const
{
    if (s.m_mode != 'r') {
        return Z_STREAM_ERROR;
    }
    count = Clamp(count);
    auto* out = static_cast<Bytef*>(buffer);
    if (s.m_bTransparent) {
        return ReadTransparent(s, out, count);
    }
    if (s.m_nError == Z_DATA_ERROR || s.m_nError == Z_STREAM_END) {
        return 0;
    }

    s.m_zs.next_out = out;
    s.m_zs.avail_out = count;
    while (s.m_zs.avail_out > 0) {
        if (s.m_zs.avail_in == 0 && !s.m_bEndOfInput) {
            std::uint32_t got = 0;
            try {
                got = s.m_pFile->CFile::Read(s.m_inBuffer.data(), kBufferSize);
            } catch (const CFileException&) {
                s.m_bEndOfInput = true;
                s.m_nError = Z_ERRNO;
                break;
            }
            s.m_bEndOfInput = got == 0;
            s.m_zs.next_in = s.m_inBuffer.data();
            s.m_zs.avail_in = got;
        }
        s.m_nError = inflate(&s.m_zs, Z_NO_FLUSH);
        if (s.m_nError != Z_OK || s.m_bEndOfInput) {
            break;
        }
    }
    const std::uint32_t delivered = count - s.m_zs.avail_out;
    s.m_crc = crc32(s.m_crc, out, delivered);
    return static_cast<int>(delivered);
}

int GzipCodec::ReadTransparent(GzipStream& s, Bytef* out, std::uint32_t count) const
{
    const std::uint32_t pending = std::min<std::uint32_t>(s.m_zs.avail_in, count);
    if (pending > 0) {
        std::memcpy(out, s.m_zs.next_in, pending);
        s.m_zs.next_in += pending;
        s.m_zs.avail_in -= pending;
    }
    std::uint32_t delivered = pending;
    if (delivered < count && !s.m_bEndOfInput) {
        try {
            delivered += s.m_pFile->CFile::Read(out + delivered, count - delivered);
        } catch (const CFileException&) {
            s.m_bEndOfInput = true;
            s.m_nError = Z_ERRNO;
        }
    }
    return static_cast<int>(delivered);
}

int GzipCodec::WriteStream(GzipStream& s, const void* buffer, std::uint32_t count) const
{
    if (s.m_mode != 'w') {
        return Z_STREAM_ERROR;
    }
    count = Clamp(count);
    s.m_zs.next_in = static_cast<Bytef*>(const_cast<void*>(buffer));
    s.m_zs.avail_in = count;
    while (s.m_zs.avail_in != 0) {
        if (s.m_zs.avail_out == 0) {
            s.m_pFile->CFile::Write(s.m_outBuffer.data(), kBufferSize);
            s.m_zs.next_out = s.m_outBuffer.data();
            s.m_zs.avail_out = kBufferSize;
        }
        s.m_nError = deflate(&s.m_zs, Z_NO_FLUSH);
        if (s.m_nError != Z_OK) {
            break;
        }
    }
    s.m_crc = crc32(s.m_crc, static_cast<const Bytef*>(buffer), count);
    return static_cast<int>(count - s.m_zs.avail_in);
}

int GzipCodec::FlushStream(GzipStream& s, int flush) const
{
    if (s.m_mode != 'w') {
        return Z_STREAM_ERROR;
    }
    s.m_zs.avail_in = 0;
    bool done = false;
    for (;;) {
        const uInt length = kBufferSize - s.m_zs.avail_out;
        if (length != 0) {
            s.m_pFile->CFile::Write(s.m_outBuffer.data(), length);
            s.m_zs.next_out = s.m_outBuffer.data();
            s.m_zs.avail_out = kBufferSize;
        }
        if (done) {
            break;
        }
        s.m_nError = deflate(&s.m_zs, flush);
        done = s.m_zs.avail_out != 0 || s.m_nError == Z_STREAM_END;
        if (s.m_nError != Z_OK && s.m_nError != Z_STREAM_END) {
            break;
        }
    }
    s.m_pFile->CFile::Flush();
    return s.m_nError == Z_STREAM_END ? Z_OK : s.m_nError;
}

int GzipCodec::CloseStream(std::unique_ptr<GzipStream> stream) const
{
    if (!stream) {
        return Z_STREAM_ERROR;
    }
    GzipStream& s = *stream;
    int status = Z_OK;
    if (s.m_mode == 'w') {
        status = FlushStream(s, Z_FINISH);
        if (status == Z_OK) {
            Bytef trailer[8];
            PutLittleEndian(trailer, s.m_crc);
            PutLittleEndian(trailer + 4, s.m_zs.total_in);
            s.m_pFile->CFile::Write(trailer, sizeof trailer);
        }
    } else {
        // Only a stream read to its end has its trailer at hand; a reader that stopped early skips it.
        if (s.m_nError == Z_STREAM_END) {
            CheckTrailer(s);
        }
        status = s.m_nError == Z_STREAM_END ? Z_OK : s.m_nError;
    }
    s.m_pFile->CFile::Close();
    return status;
}

void GzipCodec::CheckTrailer(GzipStream& s) const
{
    if (s.m_zs.avail_in < 8 && !s.m_bEndOfInput) {
        std::memmove(s.m_inBuffer.data(), s.m_zs.next_in, s.m_zs.avail_in);
        s.m_zs.next_in = s.m_inBuffer.data();
        try {
            s.m_zs.avail_in += s.m_pFile->CFile::Read(s.m_inBuffer.data() + s.m_zs.avail_in, 8);
        } catch (const CFileException&) {
            s.m_bEndOfInput = true;
        }
    }
    if (s.m_zs.avail_in < 8 || GetLittleEndian(s.m_zs.next_in) != (s.m_crc & 0xFFFFFFFFUL) ||
        GetLittleEndian(s.m_zs.next_in + 4) != (s.m_zs.total_out & 0xFFFFFFFFUL)) {
        s.m_nError = Z_DATA_ERROR;
    }
}
