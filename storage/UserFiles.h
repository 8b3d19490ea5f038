#pragma once

#include <string>

// Where the program keeps the files it writes. A portable folder keeps them beside the program
// while the system lets the program write there; an installed program's folder is read-only for
// its users, and then they live in the user's configuration folder: $XDG_CONFIG_HOME/navik/ (by
// default ~/.config/navik/) on Linux, %APPDATA%\navik\ on Windows. Reading and writing take the
// same decision, so a file is read from where it was saved. Paths are the file system's own
// names; the program's folder may end in a separator.
class UserFiles
{
public:
    // The path to read the file from; nothing is made.
    static std::string PathOf(const std::string& programDir, const std::string& name);
    // The same path, its configuration folder made first (private to the user) when that is
    // where it is. Should that fail, the save that follows reports the path.
    static std::string PathForWriting(const std::string& programDir, const std::string& name);

    // The decision on given facts: the program's folder unless it refuses new files, else
    // navik/ in the user's configuration root, or the program's folder when there is no root.
    // Ends in a separator unless it is the program's folder given as "".
    static std::string Folder(const std::string& programDir, bool programDirRefuses,
                              const std::string& configRoot);
    // The POSIX configuration root: xdgConfigHome, which counts only when it is absolute, else
    // home's .config; "" without either.
    static std::string PosixConfigRoot(const char* xdgConfigHome, const std::string& home);
    // Whether the system denies this user new files in dir. Only a refusal counts: a folder
    // that is missing or no folder at all is the save's error to report, as it always was.
    static bool RefusesFiles(const std::string& dir);
    // Makes folder and the folders above it that are missing; true when it is there afterwards.
    static bool MakeFolders(const std::string& folder);

private:
    // This user's configuration root, from the environment ("" when it names none).
    static std::string ConfigRoot();
};
