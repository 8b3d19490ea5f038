#include "model/PictureName.h"

#include <algorithm>

std::optional<std::string> PictureName::PathInFolder(std::string_view name)
{
    std::string path;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(name.find_first_of("/\\", start), name.size());
        const std::string_view part = name.substr(start, end - start);
        if (part.empty() || part == "." || part == ".." || part.find(':') != std::string_view::npos) {
            return std::nullopt;
        }
        path += part;
        if (end == name.size()) {
            return path;
        }
        path += '/';
        start = end + 1;
    }
}
