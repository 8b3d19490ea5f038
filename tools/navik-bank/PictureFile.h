#pragma once

#include <QString>

// A question's picture: the program opens "obr\" + name + ".gif" beside itself, so the name must
// stay inside that folder, and the file must be a GIF.
class PictureFile
{
public:
    static bool IsPlainName(const QString& name);
    // Empty when directory/name.gif is a GIF file; otherwise what is wrong with it.
    static QString Problem(const QString& directory, const QString& name);
};
