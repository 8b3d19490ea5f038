#pragma once

#include <string>
#include <vector>

// One sub-command of navik-bank. run receives the arguments after the command's name and returns
// the process's exit code: 0 success, 1 a file that could not be read or written, 2 bad usage.
struct Command
{
    const char* name;
    const char* arguments;
    const char* summary;
    int (*run)(const std::vector<std::string>& arguments);
};

int RunDump(const std::vector<std::string>& arguments);
int RunBuild(const std::vector<std::string>& arguments);
int RunCheck(const std::vector<std::string>& arguments);
int RunExport(const std::vector<std::string>& arguments);
