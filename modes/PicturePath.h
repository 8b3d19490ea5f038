#pragma once
// File name of a question's picture: the program's directory + "obr/" + name + ".gif".
// The name comes from a question bank that may have been downloaded from anywhere, so a
// name that would lead outside the picture folder (absolute, with a drive letter or with
// a ".." component) gives an empty path, which no image loads from. Backslashes, the
// separator of banks written on Windows, are directory separators on every platform.

#include <string>

std::string PicturePath(const std::string& exeDir, const std::string& pictureName);
