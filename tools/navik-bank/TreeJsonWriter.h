#pragma once

#include <string>

class TreeNode;

// Writes a tree as indented JSON: each node as name, index, values and children in file order;
// each value as name, index, type code and size, with "value" for the types it can show (bool,
// integers, text in UTF-8) and "hex" with the raw bytes for anything else.
class TreeJsonWriter
{
public:
    static std::string Write(const TreeNode& root);

private:
    void WriteNode(const TreeNode& node, int depth);
    void WriteString(const std::string& utf8);
    void Indent(int depth);

    std::string m_out;
};
