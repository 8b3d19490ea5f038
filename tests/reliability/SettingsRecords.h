#pragma once
// Settings records for the reliability tests, saved and loaded as the launcher does.

#include "model/Settings.h"

#include <string>

// A record in which every persisted member differs from the defaults and from the records of
// other seeds; its test list is random, so that its file does not compress to almost nothing.
Settings DistinctRecord(unsigned seed);
// The record as the launcher's "Konec" stores it; raises CFileException when it cannot.
void SaveRecord(const Settings& record, const std::string& path);
// The persisted members as the launcher reads them from path; raises CFileException when it
// cannot open the file and std::runtime_error when the file is not a whole tree.
Settings LoadRecord(const std::string& path);
