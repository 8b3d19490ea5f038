#include "storage/TreeNode.h"

#include <algorithm>
#include <cstring>

#include "storage/TreeFile.h"
#include "storage/TreeFormat.h"

namespace {

constexpr std::size_t kTextBufferSize = 1100;

} // namespace

TreeNode::TreeNode() : m_strName("Main"), m_nIndex(0) {}

TreeNode::TreeNode(std::string name, std::int32_t index) : m_strName(std::move(name)), m_nIndex(index) {}

TreeNode::~TreeNode() = default;

std::size_t TreeNode::ValueKeyHash::operator()(const ValueKey& key) const
{
    return std::hash<std::string>()(key.name) ^
           (std::hash<std::int32_t>()(key.index) * 0x9E3779B97F4A7C15ULL);
}

int TreeNode::FindValue(const std::string& name, std::int32_t index) const
{
    // A few values are searched; a node of many (the settings hold about a thousand, read
    // one by one) would make reading them all quadratic, so their positions are indexed.
    constexpr std::size_t kSearchedValues = 32;
    if (m_values.size() <= kSearchedValues) {
        const auto found = std::find_if(m_values.begin(), m_values.end(), [&](const TreeValue& value) {
            return value.GetIndex() == index && value.GetName() == name;
        });
        return found == m_values.end() ? -1 : static_cast<int>(found - m_values.begin());
    }
    for (; m_nIndexedValues < m_values.size(); ++m_nIndexedValues) {
        const TreeValue& value = m_values[m_nIndexedValues];
        m_valuePositions.try_emplace(ValueKey{value.GetName(), value.GetIndex()},
                                     static_cast<int>(m_nIndexedValues));
    }
    const auto found = m_valuePositions.find(ValueKey{name, index});
    return found == m_valuePositions.end() ? -1 : found->second;
}

bool TreeNode::SetValue(const std::string& name, const void* source, std::int32_t size, std::uint8_t type,
                        std::int32_t index)
{
    // A value record starting with a node marker would be read back as a node.
    if (type == 0xFE || type == 0xFF || size < 0) {
        return false;
    }
    const int position = FindValue(name, index);
    if (position < 0) {
        m_values.emplace_back(name, index, type, source, size);
    } else {
        m_values[static_cast<std::size_t>(position)].Assign(type, source, size);
    }
    return true;
}

const TreeValue* TreeNode::FindTyped(const std::string& name, std::uint8_t type, std::int32_t index) const
{
    const int position = FindValue(name, index);
    if (position < 0 || m_values[static_cast<std::size_t>(position)].GetType() != type) {
        return nullptr;
    }
    return &m_values[static_cast<std::size_t>(position)];
}

bool TreeNode::GetValue(const std::string& name, void* destination, std::size_t capacity, std::uint8_t type,
                        std::int32_t index) const
{
    const TreeValue* value = FindTyped(name, type, index);
    if (!value || value->GetBytes().size() > capacity) {
        return false;
    }
    if (!value->GetBytes().empty()) {
        std::memcpy(destination, value->GetBytes().data(), value->GetBytes().size());
    }
    return true;
}

bool TreeNode::SetBool(const std::string& name, bool value, std::int32_t index)
{
    const std::uint8_t byte = value ? 1 : 0;
    return SetValue(name, &byte, 1, TreeValue::TypeBool, index);
}

bool TreeNode::SetInt(const std::string& name, std::int32_t value, std::int32_t index)
{
    std::uint8_t bytes[4];
    TreeFormat::PutInt32(bytes, value);
    return SetValue(name, bytes, 4, TreeValue::TypeInt, index);
}

bool TreeNode::SetLong(const std::string& name, std::int32_t value, std::int32_t index)
{
    std::uint8_t bytes[4];
    TreeFormat::PutInt32(bytes, value);
    return SetValue(name, bytes, 4, TreeValue::TypeLong, index);
}

bool TreeNode::SetText(const std::string& name, const std::string& text, std::int32_t index)
{
    if (text.size() > static_cast<std::size_t>(INT32_MAX)) {
        return false;
    }
    return SetValue(name, text.data(), static_cast<std::int32_t>(text.size()), TreeValue::TypeText, index);
}

bool TreeNode::GetBool(const std::string& name, bool& value, std::int32_t index) const
{
    const TreeValue* stored = FindTyped(name, TreeValue::TypeBool, index);
    if (!stored || stored->GetSize() != 1) {
        return false;
    }
    // Any non-zero byte reads as true; copying it into a bool would not be a valid bool.
    value = stored->GetBytes()[0] != 0;
    return true;
}

bool TreeNode::GetInt(const std::string& name, std::int32_t& value, std::int32_t index) const
{
    const TreeValue* stored = FindTyped(name, TreeValue::TypeInt, index);
    if (!stored || stored->GetSize() != 4) {
        return false;
    }
    value = TreeFormat::GetInt32(stored->GetBytes().data());
    return true;
}

bool TreeNode::GetLong(const std::string& name, std::int32_t& value, std::int32_t index) const
{
    const TreeValue* stored = FindTyped(name, TreeValue::TypeLong, index);
    if (!stored || stored->GetSize() != 4) {
        return false;
    }
    value = TreeFormat::GetInt32(stored->GetBytes().data());
    return true;
}

bool TreeNode::GetText(const std::string& name, std::string& text, std::int32_t index) const
{
    const TreeValue* stored = FindTyped(name, TreeValue::TypeText, index);
    if (!stored) {
        text.clear();
        return false;
    }
    // The text ends at its first zero byte and never runs past the last byte of a 1100-byte
    // buffer, which stays its terminator.
    const auto bytes = stored->GetBytes();
    const std::size_t limit = std::min(bytes.size(), kTextBufferSize - 1);
    const void* zero = limit > 0 ? std::memchr(bytes.data(), 0, limit) : nullptr;
    const std::size_t length =
        zero ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(zero) - bytes.data()) : limit;
    text.assign(reinterpret_cast<const char*>(bytes.data()), length);
    return true;
}

const TreeNode* TreeNode::FindChild(const std::string& name, std::int32_t index) const
{
    for (const auto& child : m_children) {
        if (child->m_nIndex == index && child->m_strName == name) {
            return child.get();
        }
    }
    return nullptr;
}

TreeNode& TreeNode::AddChild(const std::string& name, std::int32_t index)
{
    return *m_children.emplace_back(std::make_unique<TreeNode>(name, index));
}

bool TreeNode::SaveFile(const std::string& path) const
{
    return TreeFile::Save(*this, path);
}

void TreeNode::LoadFile(const std::string& path)
{
    LoadFileWithStatus(path);
}

TreeLoadStatus TreeNode::LoadFileWithStatus(const std::string& path)
{
    return TreeFile::Load(*this, path);
}

int TreeNode::AddName(std::vector<std::string>& table, const std::string& name)
{
    const auto found = std::find(table.begin(), table.end(), name);
    if (found != table.end()) {
        return static_cast<int>(found - table.begin());
    }
    table.push_back(name);
    return static_cast<int>(table.size() - 1);
}
