// navik-bank: inspects and produces the tree files of the trainer. Each command lives in its own
// source file; this table is the only place that lists them.

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Command.h"

namespace {

const Command kCommands[] = {
    {"dump", "FILE", "print a tree file as JSON", RunDump},
    {"build", "SOURCE -o FILE.dat [--pictures DIR]", "compile a JSON or CSV question source into a database",
     RunBuild},
    {"check", "FILE.dat [--pictures DIR]", "report what the trainer would stumble over in a database",
     RunCheck},
    {"export", "FILE.dat [-o FILE.json]", "write a database back as its JSON source", RunExport},
};

// Asked for, the usage goes to standard output and is no error.
int Usage(std::FILE* stream = stderr)
{
    std::fprintf(stream, "usage: navik-bank COMMAND ARGUMENTS\n");
    for (const Command& command : kCommands) {
        std::fprintf(stream, "  %s %s\n      %s\n", command.name, command.arguments, command.summary);
    }
    std::fprintf(stream, "navik-bank COMMAND --help tells more about build, check and export.\n");
    return stream == stderr ? 2 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        return Usage();
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        return Usage(stdout);
    }
    for (const Command& command : kCommands) {
        if (std::strcmp(argv[1], command.name) == 0) {
            return command.run(std::vector<std::string>(argv + 2, argv + argc));
        }
    }
    std::fprintf(stderr, "navik-bank: unknown command '%s'\n", argv[1]);
    return Usage();
}
