#pragma once

#include <ostream>
#include <string>
#include <vector>

// navik-bank export FILE.dat [-o FILE.json|FILE.csv] [--force]: writes a question database back as
// its JSON source, which builds into the same bytes again, or as CSV for a spreadsheet.
class ExportCommand
{
public:
    static int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
};
