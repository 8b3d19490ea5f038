#include "framework/AnsiText.h"

#include "framework/qt/QtConversions.h"

std::u16string AnsiToUtf16(std::string_view ansi)
{
    return FromAnsi(ansi).toStdU16String();
}
