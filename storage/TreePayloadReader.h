#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "storage/TreeLoadStatus.h"

class TreeNode;

// Parses the payload of a tree file into a node. The payload is untrusted: every count, index
// and size is checked against the bytes actually there, and a payload that does not fit exactly
// (bad name index, record running past the end, nesting too deep, bytes left over) is refused
// as a whole, so the node is either filled completely or not touched.
class TreePayloadReader
{
public:
    // payload: L bytes including the closing checksum byte.
    static TreeLoadStatus Read(const std::vector<std::uint8_t>& payload, TreeNode& node);

private:
    TreePayloadReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool ReadByte(std::uint8_t& byte);
    bool ReadInt32(std::int32_t& value);
    bool ReadName(std::string& name);
    bool ReadNameTable();
    bool ReadNode(TreeNode& node, int depth);

    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
    std::vector<std::string> m_names;
};
