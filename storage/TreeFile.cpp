#include "storage/TreeFile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "framework/base/CFileException.h"
#include "storage/CompressedFile.h"
#include "storage/TemporaryFile.h"
#include "storage/TreeFormat.h"
#include "storage/TreeNode.h"
#include "storage/TreePayloadReader.h"
#include "storage/TreePayloadWriter.h"

namespace {

constexpr std::uint32_t kReadChunk = 64 * 1024;

// Reads the payload as it arrives rather than allocating the claimed length up front: a short
// file claiming a huge length costs only what it holds.
bool ReadPayload(CompressedFile& file, std::size_t length, std::vector<std::uint8_t>& payload)
{
    while (payload.size() < length) {
        const std::size_t have = payload.size();
        const auto want = static_cast<std::uint32_t>(std::min<std::size_t>(length - have, kReadChunk));
        payload.resize(have + want);
        const std::uint32_t got = file.Read(payload.data() + have, want);
        payload.resize(have + got);
        if (got == 0) {
            return false;
        }
    }
    return true;
}

TreeLoadStatus ReadFramed(CompressedFile& file, std::vector<std::uint8_t>& payload)
{
    const bool transparent = file.IsTransparent();
    const bool brokenHeader = file.HasBrokenHeader();

    file.SetCompressed(false);
    char magic[TreeFormat::kMagicSize];
    const std::uint32_t got = file.Read(magic, sizeof magic);
    file.SetCompressed(true);
    if (got != sizeof magic || std::memcmp(magic, TreeFormat::kMagic, sizeof magic) != 0) {
        return transparent ? TreeLoadStatus::NotGzip : TreeLoadStatus::WrongMagic;
    }
    if (brokenHeader) {
        return TreeLoadStatus::NotGzip;
    }

    std::uint8_t lengthBytes[4];
    if (file.Read(lengthBytes, sizeof lengthBytes) != sizeof lengthBytes) {
        return TreeLoadStatus::DataEndsEarly;
    }
    const std::int32_t length = TreeFormat::GetInt32(lengthBytes);
    if (length < 1 || length > TreeFormat::kMaxPayloadSize) {
        return TreeLoadStatus::MalformedPayload;
    }
    return ReadPayload(file, static_cast<std::size_t>(length), payload) ? TreeLoadStatus::Loaded
                                                                        : TreeLoadStatus::DataEndsEarly;
}

} // namespace

bool TreeFile::Save(const TreeNode& root, const std::string& path)
{
    std::vector<std::uint8_t> payload;
    if (!TreePayloadWriter::Write(root, payload)) {
        return false;
    }
    std::uint8_t lengthBytes[4];
    TreeFormat::PutInt32(lengthBytes, static_cast<std::int32_t>(payload.size()));

    TemporaryFile temporary(path);
    try {
        CompressedFile file(temporary.Path(), CFile::modeCreate | CFile::modeWrite);
        file.SetCompressed(false);
        file.Write(TreeFormat::kMagic, TreeFormat::kMagicSize);
        file.SetCompressed(true);
        file.Write(lengthBytes, sizeof lengthBytes);
        file.Write(payload.data(), static_cast<std::uint32_t>(payload.size()));
        file.SetCompressed(true);
        file.Close();
    } catch (CFileException& error) {
        // The caller asked for the target; the temporary's name would only puzzle.
        error.m_strFileName = path;
        throw;
    }
    temporary.Commit();
    return true;
}

TreeLoadStatus TreeFile::Load(TreeNode& node, const std::string& path)
{
    std::vector<std::uint8_t> payload;
    TreeLoadStatus status;
    {
        CompressedFile file(path, CFile::modeRead);
        status = ReadFramed(file, payload);
        file.SetCompressed(true);
        file.Close();
    }
    return status == TreeLoadStatus::Loaded ? TreePayloadReader::Read(payload, node) : status;
}
