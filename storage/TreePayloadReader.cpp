#include "storage/TreePayloadReader.h"

#include <cstring>

#include "storage/TreeFormat.h"
#include "storage/TreeNode.h"

namespace {

constexpr std::size_t kValuesReserved = 8;

} // namespace

TreeLoadStatus TreePayloadReader::Read(const std::vector<std::uint8_t>& payload, TreeNode& node)
{
    if (payload.empty()) {
        return TreeLoadStatus::MalformedPayload;
    }
    std::uint8_t checksum = 0;
    for (std::size_t i = 0; i + 1 < payload.size(); ++i) {
        checksum ^= payload[i];
    }
    if (checksum != payload.back()) {
        return TreeLoadStatus::ChecksumMismatch;
    }

    TreePayloadReader reader(payload.data(), payload.size() - 1);
    TreeNode parsed;
    std::uint8_t marker = 0;
    if (!reader.ReadNameTable() || !reader.ReadByte(marker) || marker != TreeFormat::kNodeStart ||
        !reader.ReadNode(parsed, 0) || reader.m_pos != reader.m_size) {
        return TreeLoadStatus::MalformedPayload;
    }

    node.m_strName = std::move(parsed.m_strName);
    node.m_nIndex = parsed.m_nIndex;
    for (auto& value : parsed.m_values) {
        node.m_values.push_back(std::move(value));
    }
    for (auto& child : parsed.m_children) {
        node.m_children.push_back(std::move(child));
    }
    return TreeLoadStatus::Loaded;
}

bool TreePayloadReader::ReadByte(std::uint8_t& byte)
{
    if (m_pos >= m_size) {
        return false;
    }
    byte = m_data[m_pos++];
    return true;
}

bool TreePayloadReader::ReadInt32(std::int32_t& value)
{
    if (m_size - m_pos < 4) {
        return false;
    }
    value = TreeFormat::GetInt32(m_data + m_pos);
    m_pos += 4;
    return true;
}

bool TreePayloadReader::ReadName(std::string& name)
{
    std::int32_t position = 0;
    if (!ReadInt32(position) || position < 0 || static_cast<std::size_t>(position) >= m_names.size()) {
        return false;
    }
    name = m_names[static_cast<std::size_t>(position)];
    return true;
}

bool TreePayloadReader::ReadNameTable()
{
    std::int32_t count = 0;
    // Every name takes at least its terminator, so a count beyond the bytes left is a lie.
    if (!ReadInt32(count) || count < 0 || static_cast<std::size_t>(count) > m_size - m_pos) {
        return false;
    }
    m_names.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        const auto* start = m_data + m_pos;
        const auto* zero = static_cast<const std::uint8_t*>(std::memchr(start, 0, m_size - m_pos));
        if (!zero) {
            return false;
        }
        m_names.emplace_back(reinterpret_cast<const char*>(start), static_cast<std::size_t>(zero - start));
        m_pos += static_cast<std::size_t>(zero - start) + 1;
    }
    return true;
}

// The start marker has been consumed by the caller, which also told a child from a value by it.
bool TreePayloadReader::ReadNode(TreeNode& node, int depth)
{
    if (!ReadName(node.m_strName) || !ReadInt32(node.m_nIndex)) {
        return false;
    }
    // Question records hold six values; growing from one by doubling would move them three times.
    node.m_values.reserve(kValuesReserved);
    for (;;) {
        std::uint8_t tag = 0;
        if (!ReadByte(tag)) {
            return false;
        }
        if (tag == TreeFormat::kNodeEnd) {
            return true;
        }
        if (tag == TreeFormat::kNodeStart) {
            if (depth + 1 > TreeFormat::kMaxDepth) {
                return false;
            }
            auto child = std::make_unique<TreeNode>();
            if (!ReadNode(*child, depth + 1)) {
                return false;
            }
            node.m_children.push_back(std::move(child));
            continue;
        }
        std::string name;
        std::int32_t index = 0;
        std::int32_t size = 0;
        if (!ReadName(name) || !ReadInt32(index) || !ReadInt32(size) || size < 0 ||
            static_cast<std::size_t>(size) > m_size - m_pos) {
            return false;
        }
        // Appended as read: a repeated (name, index) gives a second entry that lookups never reach.
        node.m_values.emplace_back(std::move(name), index, tag, m_data + m_pos, size);
        m_pos += static_cast<std::size_t>(size);
    }
}
