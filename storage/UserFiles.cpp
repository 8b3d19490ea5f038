#include "storage/UserFiles.h"

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

std::string WithSeparator(std::string folder)
{
    if (!folder.empty() && folder.back() != '/' && folder.back() != kSeparator) {
        folder += kSeparator;
    }
    return folder;
}

} // namespace

std::string UserFiles::Folder(const std::string& programDir, bool programDirRefuses,
                              const std::string& configRoot)
{
    // Without a root there is no better place: the save then reports the program's folder.
    if (!programDirRefuses || configRoot.empty()) {
        return WithSeparator(programDir);
    }
    return WithSeparator(configRoot) + "navik" + kSeparator;
}

std::string UserFiles::PosixConfigRoot(const char* xdgConfigHome, const std::string& home)
{
    if (xdgConfigHome && xdgConfigHome[0] == '/') {
        return xdgConfigHome;
    }
    return home.empty() ? "" : WithSeparator(home) + ".config";
}

std::string UserFiles::PathOf(const std::string& programDir, const std::string& name)
{
    return Folder(programDir, RefusesFiles(programDir), ConfigRoot()) + name;
}

std::string UserFiles::PathForWriting(const std::string& programDir, const std::string& name)
{
    const std::string folder = Folder(programDir, RefusesFiles(programDir), ConfigRoot());
    if (folder != WithSeparator(programDir)) {
        MakeFolders(folder);
    }
    return folder + name;
}
