#pragma once

#include <string>

#include "storage/TreeLoadStatus.h"

class TreeNode;

// The framing of a tree file around its payload: gzip header, the plain magic text, then the
// compressed length and payload, then the gzip trailer. Saving replaces the target only once the
// new file is complete and on disk, so a failed save never costs the old file.
class TreeFile
{
public:
    static bool Save(const TreeNode& root, const std::string& path);
    static TreeLoadStatus Load(TreeNode& node, const std::string& path);
};
