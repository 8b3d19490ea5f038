#include "storage/UserFiles.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home) {
        return home;
    }
    const passwd* user = ::getpwuid(::getuid());
    return user && user->pw_dir ? user->pw_dir : "";
}

} // namespace

std::string UserFiles::ConfigRoot()
{
    return PosixConfigRoot(std::getenv("XDG_CONFIG_HOME"), HomeFolder());
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
    if (folder.empty()) {
        return false;
    }
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        if (folder[slash - 1] == '/') {
            continue;
        }
        if (::mkdir(folder.substr(0, slash).c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
    }
    if (folder.back() != '/' && ::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    struct stat info
    {
    };
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}
