#pragma once
// A child process running SaveInTurnForever on the file kSaveLoopFile in a folder, until it is
// killed: forked on POSIX; on Windows, which cannot fork, the program reliability_save_loop
// beside the test program.

#include "KillableChild.h"

#include <string>

class SavingChild : public KillableChild
{
public:
    explicit SavingChild(const std::string& folder);
};
