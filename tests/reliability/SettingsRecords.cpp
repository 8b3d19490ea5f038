#include "SettingsRecords.h"

#include "storage/TreeNode.h"

#include <random>
#include <stdexcept>

Settings DistinctRecord(unsigned seed)
{
    std::mt19937 random(seed);
    Settings record;
    const int n = int(seed % 1000) + 1;
    record.m_bUShowAll = false;
    record.m_nUZacatek = 1;
    record.m_nULast = n;
    record.m_nZLast = n + 1;
    record.m_nZVsechny = 2;
    record.m_nZPocetOtazek = n + 2;
    record.m_nZNovytest = 1;
    record.m_nZKontrolaOdpovedi = 1;
    for (int& entry : record.m_test)
        entry = int(random() % 200);
    record.m_testCount = Settings::kTestCapacity;
    record.m_testPos = n - 1;
    record.m_bZOnlyNew = false;
    record.m_nTimeTest = 1;
    record.m_nTimeTotal = n + 3;
    record.m_nTimeOver = n + 4;
    return record;
}

void SaveRecord(const Settings& record, const std::string& path)
{
    TreeNode root;
    record.SaveToNode(&root);
    root.SaveFile(path);
}

Settings LoadRecord(const std::string& path)
{
    TreeNode root;
    if (root.LoadFileWithStatus(path) != TreeLoadStatus::Loaded)
        throw std::runtime_error(path + " was not loaded");
    Settings record;
    record.LoadFromNode(&root);
    return record;
}
