// navik-bank dump FILE: the tree file as JSON on standard output, or why it cannot be read.

#include <cstdio>

#include "Command.h"
#include "TreeJsonWriter.h"
#include "storage/CFileException.h"
#include "storage/TreeNode.h"

namespace {

const char* Reason(TreeLoadStatus status)
{
    switch (status) {
    case TreeLoadStatus::NotGzip:
        return "not a gzip file";
    case TreeLoadStatus::WrongMagic:
        return "wrong magic, not a tree file";
    case TreeLoadStatus::DataEndsEarly:
        return "data ends early";
    case TreeLoadStatus::ChecksumMismatch:
        return "checksum mismatch";
    case TreeLoadStatus::MalformedPayload:
        return "malformed payload";
    case TreeLoadStatus::Loaded:
        break;
    }
    return "";
}

} // namespace

int RunDump(const std::vector<std::string>& arguments)
{
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: navik-bank dump FILE\n");
        return 2;
    }
    const std::string& path = arguments[0];
    TreeNode root;
    TreeLoadStatus status;
    try {
        status = root.LoadFileWithStatus(path);
    } catch (const CFileException& error) {
        std::fprintf(stderr, "navik-bank: cannot open %s\n", error.what());
        return 1;
    }
    if (status != TreeLoadStatus::Loaded) {
        std::fprintf(stderr, "navik-bank: %s: %s\n", path.c_str(), Reason(status));
        return 1;
    }
    const std::string json = TreeJsonWriter::Write(root);
    std::fwrite(json.data(), 1, json.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
