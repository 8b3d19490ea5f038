#pragma once

#include <cstdint>
#include <span>
#include <string>

// One named, indexed, typed value of a tree node: a type code and the raw bytes. It does not
// interpret the bytes; the typed getters and setters of TreeNode do.
class TreeValue
{
public:
    // The codes are part of the file format; a getter matches only its own code.
    enum Type : std::uint8_t
    {
        TypeBool = 1,
        TypeInt = 2,
        TypeText = 4,
        TypeLong = 6,
    };

    TreeValue(std::string name, std::int32_t index, std::uint8_t type, const void* bytes, std::int32_t size);

    const std::string& GetName() const { return m_strName; }
    std::int32_t GetIndex() const { return m_nIndex; }
    std::uint8_t GetType() const { return m_nType; }
    std::int32_t GetSize() const { return static_cast<std::int32_t>(m_bytes.size()); }
    std::span<const std::uint8_t> GetBytes() const
    {
        return {reinterpret_cast<const std::uint8_t*>(m_bytes.data()), m_bytes.size()};
    }

    // Replaces type and bytes; name and index stay.
    void Assign(std::uint8_t type, const void* bytes, std::int32_t size);

private:
    std::string m_strName;
    std::int32_t m_nIndex;
    std::uint8_t m_nType;
    // A string only for its short-string buffer: numbers and flags, most of a tree's values,
    // then need no allocation of their own.
    std::string m_bytes;
};
