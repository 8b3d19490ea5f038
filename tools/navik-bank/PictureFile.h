#pragma once

#include <QString>
#include <string>

// A question's picture file in a picture folder given on the command line: the program opens
// obr/NAME.gif beside itself (NAME as PictureName reads it), and the file must be a GIF.
class PictureFile
{
public:
    // Empty when the picture of the stored name (Windows-1250 bytes that PictureName accepts) is a
    // GIF file in directory; otherwise what is wrong with it, in Czech, with a hint to convert a
    // PNG found in its place.
    static QString Problem(const QString& directory, const std::string& storedName);
};
