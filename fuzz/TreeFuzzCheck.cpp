#include "TreeFuzzCheck.h"

#include <string>

#include "FuzzSupport.h"
#include "SameTree.h"
#include "storage/TreeNode.h"

void LoadTreeFileAndCheck(const std::uint8_t* data, std::size_t size)
{
    const std::string input = WriteScratchFile("input", data, size);
    TreeNode node;
    if (node.LoadFileWithStatus(input) != TreeLoadStatus::Loaded) {
        FuzzCheck(SameTree(node, TreeNode()), "a refused file leaves the node unchanged");
        return;
    }
    const std::string copy = ScratchPath("copy");
    FuzzCheck(node.SaveFile(copy), "a tree that was read can be written");
    TreeNode reread;
    FuzzCheck(reread.LoadFileWithStatus(copy) == TreeLoadStatus::Loaded, "a written tree reads back");
    FuzzCheck(SameTree(node, reread), "a written tree reads back identically");
}
