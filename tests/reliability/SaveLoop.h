#pragma once
// What the saving child of the reliability tests does: it saves two distinct records to one file
// in turn until it is killed, and reports each finished save.

#include <functional>
#include <string>

// The seeds of the two records, for DistinctRecord.
inline constexpr unsigned kSaveLoopSeeds[2] = {11, 12};
// The name of the file in the child's folder.
inline constexpr char kSaveLoopFile[] = "navik.cfg";

// Ends the process with status 2 when a save fails and with 3 when a report does.
[[noreturn]] void SaveInTurnForever(const std::string& path, const std::function<bool()>& report);
