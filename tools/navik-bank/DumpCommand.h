#pragma once

#include <ostream>
#include <string>
#include <vector>

// navik-bank dump FILE: the tree file as JSON on standard output, or why it cannot be read.
class DumpCommand
{
public:
    static int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
};
