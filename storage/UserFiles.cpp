#include "storage/UserFiles.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string WithSlash(std::string folder)
{
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

std::string HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home) {
        return home;
    }
    const passwd* user = ::getpwuid(::getuid());
    return user && user->pw_dir ? user->pw_dir : "";
}

} // namespace

std::string UserFiles::Folder(const std::string& programDir, bool programDirRefuses,
                              const char* xdgConfigHome, const std::string& home)
{
    if (!programDirRefuses) {
        return WithSlash(programDir);
    }
    if (xdgConfigHome && xdgConfigHome[0] == '/') {
        return WithSlash(xdgConfigHome) + "navik/";
    }
    // Without a home there is no better place: the save then reports the program's folder.
    if (home.empty()) {
        return WithSlash(programDir);
    }
    return WithSlash(home) + ".config/navik/";
}

std::string UserFiles::Folder(const std::string& programDir)
{
    return Folder(programDir, RefusesFiles(programDir), std::getenv("XDG_CONFIG_HOME"), HomeFolder());
}

bool UserFiles::RefusesFiles(const std::string& dir)
{
    // A new file needs write and search permission on the folder; root's are never refused,
    // a read-only file system refuses even root.
    if (::access(dir.empty() ? "." : dir.c_str(), W_OK | X_OK) == 0) {
        return false;
    }
    return errno == EACCES || errno == EPERM || errno == EROFS;
}

bool UserFiles::MakeFolders(const std::string& folder)
{
    std::string path;
    for (std::size_t start = 0; start <= folder.size();) {
        std::size_t slash = folder.find('/', start);
        if (slash == std::string::npos) {
            slash = folder.size();
        }
        path = folder.substr(0, slash);
        start = slash + 1;
        if (path.empty() || path.back() == '/') {
            continue;
        }
        if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
    }
    struct stat info
    {
    };
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string UserFiles::PathOf(const std::string& programDir, const std::string& name)
{
    return Folder(programDir) + name;
}

std::string UserFiles::PathForWriting(const std::string& programDir, const std::string& name)
{
    const std::string folder = Folder(programDir);
    if (folder != WithSlash(programDir)) {
        MakeFolders(folder);
    }
    return folder + name;
}
