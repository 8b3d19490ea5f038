// Stands in for libFuzzer's driver where it is not available: runs the fuzz target once on each
// file named on the command line, or on each file in a named directory, so that the committed
// corpus runs as an ordinary test under any compiler.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "TreeBytes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path arg(argv[i]);
        if (std::filesystem::is_directory(arg)) {
            for (const auto& entry : std::filesystem::directory_iterator(arg)) {
                if (entry.is_regular_file()) {
                    inputs.push_back(entry.path());
                }
            }
        } else {
            inputs.push_back(arg);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    if (inputs.empty()) {
        std::fprintf(stderr, "usage: %s CORPUS_DIR_OR_FILE...; no inputs found\n", argv[0]);
        return 1;
    }
    for (const auto& path : inputs) {
        if (!std::filesystem::is_regular_file(path)) {
            std::fprintf(stderr, "cannot read %s\n", path.c_str());
            return 1;
        }
        const TreeBytes::Bytes bytes = TreeBytes::ReadFile(path.string());
        std::printf("%s\n", path.filename().c_str());
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("replayed %zu inputs\n", inputs.size());
    return 0;
}
