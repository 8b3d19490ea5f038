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
    const auto* first = static_cast<const std::uint8_t*>(bytes);
    if (size > 0 && first) {
        m_bytes.assign(first, first + size);
    } else {
        m_bytes.assign(size > 0 ? static_cast<std::size_t>(size) : 0, 0);
    }
}
