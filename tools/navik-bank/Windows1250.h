#pragma once

#include <string>
#include <string_view>

// The trainer's files hold texts as Windows-1250 bytes; the tool speaks UTF-8.
std::string Windows1250ToUtf8(std::string_view bytes);
