#pragma once
// File name of a question's picture: the program's directory + "obr/" + name + ".gif", for a name
// that PictureName accepts; any other name gives an empty path, which no image loads from.

#include <string>

std::string PicturePath(const std::string& exeDir, const std::string& pictureName);
