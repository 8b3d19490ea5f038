// The saving child of the reliability tests on Windows, which cannot fork: it saves in the folder
// it is started in, and each byte on its standard output is one finished save.

#include "SaveLoop.h"

#include <cstdio>

int main()
{
    SaveInTurnForever(kSaveLoopFile,
                      [] { return std::fputc('s', stdout) != EOF && std::fflush(stdout) == 0; });
}
