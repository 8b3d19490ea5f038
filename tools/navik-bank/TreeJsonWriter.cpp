#include "tools/navik-bank/TreeJsonWriter.h"

#include <cstdint>
#include <cstdio>
#include <span>

#include "storage/TreeFormat.h"
#include "storage/TreeNode.h"
#include "tools/navik-bank/Windows1250.h"

namespace {

std::string Hex(std::span<const std::uint8_t> bytes)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (std::uint8_t byte : bytes) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    }
    return hex;
}

} // namespace

std::string TreeJsonWriter::Write(const TreeNode& root)
{
    TreeJsonWriter writer;
    writer.WriteNode(root, 0);
    writer.m_out += '\n';
    return writer.m_out;
}

void TreeJsonWriter::Indent(int depth)
{
    m_out.append(static_cast<std::size_t>(depth), ' ');
}

void TreeJsonWriter::WriteString(const std::string& utf8)
{
    m_out += '"';
    for (const char c : utf8) {
        switch (c) {
        case '"':
            m_out += "\\\"";
            break;
        case '\\':
            m_out += "\\\\";
            break;
        case '\n':
            m_out += "\\n";
            break;
        case '\r':
            m_out += "\\r";
            break;
        case '\t':
            m_out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                m_out += escaped;
            } else {
                m_out += c;
            }
        }
    }
    m_out += '"';
}

void TreeJsonWriter::WriteNode(const TreeNode& node, int depth)
{
    m_out += "{\"name\": ";
    WriteString(Windows1250ToUtf8(node.GetName()));
    m_out += ", \"index\": " + std::to_string(node.GetIndex()) + ",\n";

    Indent(depth + 1);
    m_out += "\"values\": [";
    for (std::size_t i = 0; i < node.GetValueCount(); ++i) {
        const TreeValue& value = node.GetValueAt(i);
        const auto bytes = value.GetBytes();
        m_out += i == 0 ? "\n" : ",\n";
        Indent(depth + 2);
        m_out += "{\"name\": ";
        WriteString(Windows1250ToUtf8(value.GetName()));
        m_out += ", \"index\": " + std::to_string(value.GetIndex()) +
                 ", \"type\": " + std::to_string(value.GetType()) +
                 ", \"size\": " + std::to_string(value.GetSize()) + ", ";
        const int type = value.GetType();
        if (type == TreeValue::TypeBool && bytes.size() == 1) {
            m_out += bytes[0] != 0 ? "\"value\": true" : "\"value\": false";
        } else if ((type == TreeValue::TypeInt || type == TreeValue::TypeLong) && bytes.size() == 4) {
            m_out += "\"value\": " + std::to_string(TreeFormat::GetInt32(bytes.data()));
        } else if (type == TreeValue::TypeText) {
            // Like the trainer, a text ends at its first zero byte.
            std::string text(bytes.begin(), bytes.end());
            text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
            m_out += "\"value\": ";
            WriteString(Windows1250ToUtf8(text));
        } else {
            m_out += "\"hex\": \"" + Hex(bytes) + "\"";
        }
        m_out += '}';
    }
    if (node.GetValueCount() > 0) {
        m_out += '\n';
        Indent(depth + 1);
    }
    m_out += "],\n";

    Indent(depth + 1);
    m_out += "\"children\": [";
    for (std::size_t i = 0; i < node.GetChildCount(); ++i) {
        m_out += i == 0 ? "\n" : ",\n";
        Indent(depth + 2);
        WriteNode(node.GetChildAt(i), depth + 2);
    }
    if (node.GetChildCount() > 0) {
        m_out += '\n';
        Indent(depth + 1);
    }
    m_out += "]}";
}
