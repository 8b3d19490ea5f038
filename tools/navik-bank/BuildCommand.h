#pragma once

#include <ostream>
#include <string>
#include <vector>

// navik-bank build SOURCE -o FILE.dat [--pictures DIR] [--force]: compiles a JSON or CSV source into a
// question database. It writes the database only when the whole source is right.
class BuildCommand
{
public:
    static int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
};
