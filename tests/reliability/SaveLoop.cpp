#include "SaveLoop.h"

#include "SettingsRecords.h"

#include "framework/base/CFileException.h"

#include <cstdlib>

void SaveInTurnForever(const std::string& path, const std::function<bool()>& report)
{
    const Settings records[2] = {DistinctRecord(kSaveLoopSeeds[0]), DistinctRecord(kSaveLoopSeeds[1])};
    for (unsigned i = 0;; ++i) {
        try {
            SaveRecord(records[i % 2], path);
        } catch (const CFileException&) {
            std::_Exit(2);
        }
        // No exit handlers: in a forked child they belong to the test process.
        if (!report())
            std::_Exit(3);
    }
}
