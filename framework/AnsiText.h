#pragma once
// Conversion of the system's ANSI texts (Windows-1250 byte strings) into the UTF-16 the
// graphics interface takes. The whole text is converted; nothing is cut to a buffer size.

#include <string>
#include <string_view>

std::u16string AnsiToUtf16(std::string_view ansi);
