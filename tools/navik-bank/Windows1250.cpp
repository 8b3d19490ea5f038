#include "tools/navik-bank/Windows1250.h"

#include "framework/qt/QtConversions.h"

std::string Windows1250ToUtf8(std::string_view bytes)
{
    return FromAnsi(bytes).toStdString();
}
