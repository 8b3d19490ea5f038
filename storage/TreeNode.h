#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "storage/TreeLoadStatus.h"
#include "storage/TreeValue.h"

// A node of a keyed value tree: a name and an index, typed values addressed by (name, index)
// and child nodes addressed the same way, both kept in insertion order. Values and children are
// separate name spaces; names compare as exact byte strings. Nothing is ever removed. A node can
// be written to and read from a tree file; it does not know what the values mean. Look-ups may
// index a node's values, so one node is not for readers on several threads at once.
class TreeNode
{
public:
    TreeNode();
    TreeNode(std::string name, std::int32_t index);
    virtual ~TreeNode();
    TreeNode(const TreeNode&) = delete;
    TreeNode& operator=(const TreeNode&) = delete;

    const std::string& GetName() const { return m_strName; }
    std::int32_t GetIndex() const { return m_nIndex; }
    std::size_t GetValueCount() const { return m_values.size(); }
    const TreeValue& GetValueAt(std::size_t position) const { return m_values.at(position); }
    std::size_t GetChildCount() const { return m_children.size(); }
    const TreeNode& GetChildAt(std::size_t position) const { return *m_children.at(position); }

    // Position of the first value with this name and index, whatever its type; -1 when none.
    int FindValue(const std::string& name, std::int32_t index) const;
    // Creates the value at the end, or replaces type and bytes of the existing one in place.
    // Refuses the codes that mark node records in the file (0xFE, 0xFF) and negative sizes.
    bool SetValue(const std::string& name, const void* source, std::int32_t size, std::uint8_t type,
                  std::int32_t index);
    // Copies the bytes when the value exists, has this type and fits into capacity bytes;
    // otherwise false and the destination is untouched.
    bool GetValue(const std::string& name, void* destination, std::size_t capacity, std::uint8_t type,
                  std::int32_t index) const;

    bool SetBool(const std::string& name, bool value, std::int32_t index);
    bool SetInt(const std::string& name, std::int32_t value, std::int32_t index);
    bool SetLong(const std::string& name, std::int32_t value, std::int32_t index);
    // Stored as the text's bytes under the text code, without a terminator.
    bool SetText(const std::string& name, const std::string& text, std::int32_t index);

    // The typed getters accept only their own code and exactly their own size (1, 4, 4 bytes);
    // otherwise false and the destination is untouched.
    bool GetBool(const std::string& name, bool& value, std::int32_t index) const;
    bool GetInt(const std::string& name, std::int32_t& value, std::int32_t index) const;
    bool GetLong(const std::string& name, std::int32_t& value, std::int32_t index) const;
    // Always assigns: the stored bytes up to the first zero, at most 1099 of them, or the empty
    // string when there is no such text. Returns whether the text was found.
    bool GetText(const std::string& name, std::string& text, std::int32_t index) const;

    const TreeNode* FindChild(const std::string& name, std::int32_t index) const;
    // Appends a new empty child, even when one with this name and index exists.
    TreeNode& AddChild(const std::string& name, std::int32_t index);

    // Replaces the file at path only after the new one is completely on disk; raises
    // CFileException when it cannot be written. False, with nothing written, for a tree the
    // format cannot hold (names with zero bytes, too deep, too large).
    bool SaveFile(const std::string& path) const;
    // Appends what the file holds to this node, or leaves it unchanged when the file is not a
    // readable tree file; raises CFileException only when the file cannot be opened.
    void LoadFile(const std::string& path);
    // LoadFile that also tells why a file was not read.
    TreeLoadStatus LoadFileWithStatus(const std::string& path);

    // Position of name in table, appended when it is not there yet.
    static int AddName(std::vector<std::string>& table, const std::string& name);

private:
    friend class TreePayloadReader;

    const TreeValue* FindTyped(const std::string& name, std::uint8_t type, std::int32_t index) const;

    struct ValueKey
    {
        std::string name;
        std::int32_t index;
        bool operator==(const ValueKey&) const = default;
    };
    struct ValueKeyHash
    {
        std::size_t operator()(const ValueKey& key) const;
    };

    std::vector<std::unique_ptr<TreeNode>> m_children;
    std::vector<TreeValue> m_values;
    // First position of each (name, index) among the first m_nIndexedValues values. Values are
    // only ever appended, so the index never goes stale; it only falls behind.
    mutable std::unordered_map<ValueKey, int, ValueKeyHash> m_valuePositions;
    mutable std::size_t m_nIndexedValues = 0;
    std::string m_strName;
    std::int32_t m_nIndex;
};
