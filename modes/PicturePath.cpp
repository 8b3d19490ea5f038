#include "PicturePath.h"

#include <algorithm>

namespace {

bool LeadsOutside(const std::string& name)
{
    if (name.empty() || name.front() == '/')
        return true;
    if (name.size() >= 2 && name[1] == ':')
        return true;
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t end = std::min(name.find('/', start), name.size());
        if (name.compare(start, end - start, "..") == 0)
            return true;
        start = end + 1;
    }
    return false;
}

} // namespace

std::string PicturePath(const std::string& exeDir, const std::string& pictureName)
{
    std::string name = pictureName;
    std::replace(name.begin(), name.end(), '\\', '/');
    if (LeadsOutside(name))
        return {};
    return exeDir + "obr/" + name + ".gif";
}
