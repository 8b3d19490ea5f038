#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TreeNode;

// Turns a tree into the payload of a tree file: the name table, the node records depth first
// (children before values) and the closing checksum byte. It knows nothing of files or
// compression; TreeFile frames the payload.
class TreePayloadWriter
{
public:
    // False, payload untouched, for a tree the reader would refuse: a name with a zero byte,
    // nesting deeper than the reader accepts, or a payload beyond its size limit.
    static bool Write(const TreeNode& root, std::vector<std::uint8_t>& payload);

private:
    explicit TreePayloadWriter(std::vector<std::uint8_t>& out) : m_out(out) {}

    bool CollectNames(const TreeNode& node, int depth);
    bool AddName(const std::string& name);
    void PutByte(std::uint8_t byte) { m_out[m_pos++] = byte; }
    void PutInt32(std::int32_t value);
    void PutNameIndex(const std::string& name);
    void WriteNode(const TreeNode& node);

    std::vector<std::uint8_t>& m_out;
    std::vector<std::string> m_names;
    std::int64_t m_nNameTableSize = 4;
    std::int64_t m_nBodySize = 0;
    std::size_t m_pos = 0;
};
