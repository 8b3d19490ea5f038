#include "model/Settings.h"

#include "storage/TreeNode.h"

void Settings::SaveToNode(TreeNode* node) const
{
    if (!node) {
        return;
    }
    node->SetBool("m_bUShowAll", m_bUShowAll, 0);
    node->SetInt("m_nULast", m_nULast, 0);
    node->SetInt("m_nZLast", m_nZLast, 0);
    node->SetInt("m_nZVsechny", m_nZVsechny, 0);
    node->SetInt("m_nZPocetOtazek", m_nZPocetOtazek, 0);
    node->SetInt("m_nZNovytest", m_nZNovytest, 0);
    node->SetInt("m_nZKontrolaOdpovedi", m_nZKontrolaOdpovedi, 0);
    for (int i = 0; i < kTestCapacity; ++i) {
        node->SetInt("m_test", m_test[static_cast<std::size_t>(i)], i);
    }
    node->SetInt("m_testCount", m_testCount, 0);
    node->SetInt("m_testPos", m_testPos, 0);
    node->SetInt("m_nUZacatek", m_nUZacatek, 0);
    node->SetBool("m_bZOnlyNew", m_bZOnlyNew, 0);
    node->SetInt("m_nTimeTest", m_nTimeTest, 0);
    node->SetInt("m_nTimeTotal", m_nTimeTotal, 0);
    node->SetLong("m_nTimeOver", m_nTimeOver, 0);
}

void Settings::LoadFromNode(const TreeNode* node)
{
    if (!node) {
        return;
    }
    node->GetBool("m_bUShowAll", m_bUShowAll, 0);
    node->GetInt("m_nULast", m_nULast, 0);
    node->GetInt("m_nZLast", m_nZLast, 0);
    node->GetInt("m_nZVsechny", m_nZVsechny, 0);
    node->GetInt("m_nZPocetOtazek", m_nZPocetOtazek, 0);
    node->GetInt("m_nZNovytest", m_nZNovytest, 0);
    node->GetInt("m_nZKontrolaOdpovedi", m_nZKontrolaOdpovedi, 0);
    for (int i = 0; i < kTestCapacity; ++i) {
        node->GetInt("m_test", m_test[static_cast<std::size_t>(i)], i);
    }
    node->GetInt("m_testCount", m_testCount, 0);
    node->GetInt("m_testPos", m_testPos, 0);
    node->GetInt("m_nUZacatek", m_nUZacatek, 0);
    node->GetBool("m_bZOnlyNew", m_bZOnlyNew, 0);
    node->GetInt("m_nTimeTest", m_nTimeTest, 0);
    node->GetInt("m_nTimeTotal", m_nTimeTotal, 0);
    node->GetLong("m_nTimeOver", m_nTimeOver, 0);
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
