#pragma once

#include <ostream>
#include <string>
#include <vector>

// navik-bank check FILE.dat [--pictures DIR]: reports what the program would stumble over in a
// question database, one finding a line.
class CheckCommand
{
public:
    static int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
};
