#include "storage/TreePayloadWriter.h"

#include <cstring>

#include "storage/TreeFormat.h"
#include "storage/TreeNode.h"

bool TreePayloadWriter::Write(const TreeNode& root, std::vector<std::uint8_t>& payload)
{
    std::vector<std::uint8_t> out;
    TreePayloadWriter writer(out);
    if (!writer.CollectNames(root, 0)) {
        return false;
    }
    const std::int64_t length = writer.m_nNameTableSize + writer.m_nBodySize + 1;
    if (length > TreeFormat::kMaxPayloadSize) {
        return false;
    }

    out.assign(static_cast<std::size_t>(length), 0);
    writer.PutInt32(static_cast<std::int32_t>(writer.m_names.size()));
    for (const std::string& name : writer.m_names) {
        std::memcpy(out.data() + writer.m_pos, name.data(), name.size());
        writer.m_pos += name.size() + 1;
    }
    writer.WriteNode(root);

    std::uint8_t checksum = 0;
    for (std::size_t i = 0; i + 1 < out.size(); ++i) {
        checksum ^= out[i];
    }
    out.back() = checksum;
    payload = std::move(out);
    return true;
}

// The table lists names in the order a depth-first walk meets them: a node's own name, then
// everything under its children, then its values' names.
bool TreePayloadWriter::CollectNames(const TreeNode& node, int depth)
{
    if (depth > TreeFormat::kMaxDepth || !AddName(node.GetName())) {
        return false;
    }
    m_nBodySize += TreeFormat::kNodeRecordSize;
    for (std::size_t i = 0; i < node.GetChildCount(); ++i) {
        if (!CollectNames(node.GetChildAt(i), depth + 1)) {
            return false;
        }
    }
    for (std::size_t i = 0; i < node.GetValueCount(); ++i) {
        const TreeValue& value = node.GetValueAt(i);
        if (!AddName(value.GetName())) {
            return false;
        }
        m_nBodySize += TreeFormat::kValueRecordHeaderSize + value.GetSize();
        // Checked as the sizes add up, so a huge tree cannot overflow the count either.
        if (m_nBodySize > TreeFormat::kMaxPayloadSize) {
            return false;
        }
    }
    return true;
}

bool TreePayloadWriter::AddName(const std::string& name)
{
    // A zero byte ends a name in the table; such a name would come back cut short.
    if (name.find('\0') != std::string::npos) {
        return false;
    }
    const std::size_t before = m_names.size();
    TreeNode::AddName(m_names, name);
    if (m_names.size() != before) {
        m_nNameTableSize += static_cast<std::int64_t>(name.size()) + 1;
    }
    return m_nNameTableSize <= TreeFormat::kMaxPayloadSize;
}

void TreePayloadWriter::PutInt32(std::int32_t value)
{
    TreeFormat::PutInt32(m_out.data() + m_pos, value);
    m_pos += 4;
}

void TreePayloadWriter::PutNameIndex(const std::string& name)
{
    PutInt32(TreeNode::AddName(m_names, name));
}

void TreePayloadWriter::WriteNode(const TreeNode& node)
{
    PutByte(TreeFormat::kNodeStart);
    PutNameIndex(node.GetName());
    PutInt32(node.GetIndex());
    for (std::size_t i = 0; i < node.GetChildCount(); ++i) {
        WriteNode(node.GetChildAt(i));
    }
    for (std::size_t i = 0; i < node.GetValueCount(); ++i) {
        const TreeValue& value = node.GetValueAt(i);
        PutByte(value.GetType());
        PutNameIndex(value.GetName());
        PutInt32(value.GetIndex());
        PutInt32(value.GetSize());
        if (!value.GetBytes().empty()) {
            std::memcpy(m_out.data() + m_pos, value.GetBytes().data(), value.GetBytes().size());
            m_pos += value.GetBytes().size();
        }
    }
    PutByte(TreeFormat::kNodeEnd);
}
