#include "model/Settings.h"

#include "model/PersistedSettings.h"

void Settings::SaveToNode(TreeNode* node) const
{
    if (node) {
        PersistedSettings::Save(*this, *node);
    }
}

void Settings::LoadFromNode(const TreeNode* node)
{
    if (node) {
        PersistedSettings::Load(*this, *node);
    }
}

void Settings::FitToBank(int bankSize)
{
    bool usable =
        m_testCount >= 0 && m_testCount <= kTestCapacity && m_testPos >= 0 && m_testPos <= m_testCount;
    for (int i = 0; usable && i < m_testCount; ++i) {
        const int question = m_test[static_cast<std::size_t>(i)];
        usable = question >= 0 && question < bankSize;
    }
    // The list is emptied too: a later refused composition clears m_bZOnlyNew and would
    // otherwise offer the broken test for continuing.
    if (!usable) {
        m_bZOnlyNew = true;
        m_testCount = 0;
        m_testPos = 0;
    } else if (m_testPos == m_testCount) {
        // Every question has been asked: there is nothing to continue.
        m_bZOnlyNew = true;
    }
    if (m_nULast < 0 || m_nULast >= bankSize) {
        m_nULast = 0;
    }
}
