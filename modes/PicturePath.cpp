#include "PicturePath.h"

#include "model/PictureName.h"

std::string PicturePath(const std::string& exeDir, const std::string& pictureName)
{
    const std::optional<std::string> path = PictureName::PathInFolder(pictureName);
    return path ? exeDir + "obr/" + *path + ".gif" : std::string();
}
