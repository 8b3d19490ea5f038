#include "SavingChild.h"

#include "SaveLoop.h"

#ifndef _WIN32
#include <unistd.h>
#endif

#ifdef _WIN32
SavingChild::SavingChild(const std::string& folder) : KillableChild(NAVIK_SAVE_LOOP_PROGRAM, folder) {}
#else
SavingChild::SavingChild(const std::string& folder)
    : KillableChild([&folder](int progress) {
          SaveInTurnForever(folder + "/" + kSaveLoopFile,
                            [progress] { return write(progress, "s", 1) == 1; });
      })
{
}
#endif
