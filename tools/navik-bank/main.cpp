// navik-bank: inspects and produces the tree files of the trainer. Each command lives in its own
// source file; this table is the only place that lists them.

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Command.h"

namespace {

const Command kCommands[] = {
    {"dump", "SOUBOR", "vypíše soubor stromu jako JSON", RunDump},
    {"build", "ZDROJ -o SOUBOR.dat [--pictures SLOŽKA] [--force]",
     "přeloží zdroj otázek v JSON nebo CSV do databáze", RunBuild},
    {"check", "SOUBOR.dat [--pictures SLOŽKA]", "vypíše, nad čím by program v databázi zaváhal", RunCheck},
    {"export", "SOUBOR.dat [-o SOUBOR.json|SOUBOR.csv] [--force]", "zapíše databázi zpět jako zdroj",
     RunExport},
};

// Asked for, the usage goes to standard output and is no error.
int Usage(std::FILE* stream = stderr)
{
    std::fprintf(stream, "použití: navik-bank PŘÍKAZ ARGUMENTY\n");
    for (const Command& command : kCommands) {
        std::fprintf(stream, "  %s %s\n      %s\n", command.name, command.arguments, command.summary);
    }
    std::fprintf(stream, "navik-bank PŘÍKAZ --help řekne víc o build, check a export.\n");
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
    std::fprintf(stderr, "navik-bank: neznámý příkaz „%s“\n", argv[1]);
    return Usage();
}
