#pragma once

#include <optional>
#include <string>
#include <string_view>

// The rule for a question's picture name, held by the program when it opens the picture and by
// navik-bank when it writes or checks a bank. The program opens obr/NAME.gif beside itself; a bank
// may come from anywhere, so the name must not lead out of that folder. It may lead into
// sub-folders of it (a teacher sorting signs, lights and buoys apart): "znacky\zakaz" is
// obr/znacky/zakaz.gif. Both "\" (banks written on Windows) and "/" separate folders.
class PictureName
{
public:
    // The name as a path below the picture folder, with "/" between its parts, or nothing when it
    // is empty or has an empty part (a leading, doubled or trailing separator), a part "." or
    // "..", or a ":" (a drive, or a stream of a file on Windows).
    static std::optional<std::string> PathInFolder(std::string_view name);
};
