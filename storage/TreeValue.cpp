#include "storage/TreeValue.h"

#include <utility>

TreeValue::TreeValue(std::string name, std::int32_t index, std::uint8_t type, const void* bytes,
                     std::int32_t size)
    : m_strName(std::move(name)), m_nIndex(index), m_nType(0)
{
    Assign(type, bytes, size);
}

void TreeValue::Assign(std::uint8_t type, const void* bytes, std::int32_t size)
{
    m_nType = type;
    const std::size_t length = size > 0 ? static_cast<std::size_t>(size) : 0;
    if (bytes) {
        m_bytes.assign(static_cast<const char*>(bytes), length);
    } else {
        m_bytes.assign(length, '\0');
    }
}
