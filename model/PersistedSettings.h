#pragma once

class Settings;
class TreeNode;

// The members of Settings that the settings file holds, kept in one table in the file's order
// (which fixes the file's name table), each under its member's name with its own type code. Saving,
// loading and comparing records all go through that table, so a member is persisted by adding it
// there and nowhere else.
class PersistedSettings
{
public:
    // Appends the persisted members to node.
    static void Save(const Settings& settings, TreeNode& node);
    // Restores each persisted member that node holds with its own type code; the others keep their
    // values.
    static void Load(Settings& settings, const TreeNode& node);
    // Whether the two records would write the same settings file.
    static bool Same(const Settings& a, const Settings& b);
};
