#include "TreeFuzzCheck.h"

#include <algorithm>
#include <string>

#include "FuzzSupport.h"
#include "storage/TreeNode.h"

namespace {

bool SameTree(const TreeNode& a, const TreeNode& b)
{
    if (a.GetName() != b.GetName() || a.GetIndex() != b.GetIndex() ||
        a.GetValueCount() != b.GetValueCount() || a.GetChildCount() != b.GetChildCount()) {
        return false;
    }
    for (std::size_t i = 0; i < a.GetValueCount(); ++i) {
        const TreeValue& x = a.GetValueAt(i);
        const TreeValue& y = b.GetValueAt(i);
        if (x.GetName() != y.GetName() || x.GetIndex() != y.GetIndex() || x.GetType() != y.GetType() ||
            !std::ranges::equal(x.GetBytes(), y.GetBytes())) {
            return false;
        }
    }
    for (std::size_t i = 0; i < a.GetChildCount(); ++i) {
        if (!SameTree(a.GetChildAt(i), b.GetChildAt(i))) {
            return false;
        }
    }
    return true;
}

} // namespace

void LoadTreeFileAndCheck(const std::uint8_t* data, std::size_t size)
{
    const std::string input = WriteScratchFile("input", data, size);
    TreeNode node;
    if (node.LoadFileWithStatus(input) != TreeLoadStatus::Loaded) {
        FuzzCheck(node.GetName() == "Main" && node.GetIndex() == 0 && node.GetValueCount() == 0 &&
                      node.GetChildCount() == 0,
                  "a refused file leaves the node unchanged");
        return;
    }
    const std::string copy = ScratchPath("copy");
    FuzzCheck(node.SaveFile(copy), "a tree that was read can be written");
    TreeNode reread;
    FuzzCheck(reread.LoadFileWithStatus(copy) == TreeLoadStatus::Loaded, "a written tree reads back");
    FuzzCheck(SameTree(node, reread), "a written tree reads back identically");
}
