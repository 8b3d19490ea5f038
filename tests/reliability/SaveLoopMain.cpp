// The saving child of the crash test on Windows, which cannot fork: it saves to navik.cfg in the
// folder it is started in, and each byte on its standard output is one finished save.

#include "SaveLoop.h"

#include <cstdio>

int main()
{
    SaveInTurnForever("navik.cfg", [] { return std::fputc('s', stdout) != EOF && std::fflush(stdout) == 0; });
}
