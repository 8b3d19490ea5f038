#pragma once

#include <algorithm>

#include "storage/TreeNode.h"

// Whether two trees hold the same names, indices and values, in the same order, all the way down.
// Against a fresh TreeNode() it tells whether a node was left as it was made.
inline bool SameTree(const TreeNode& a, const TreeNode& b)
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
