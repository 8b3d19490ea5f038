#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "SameTree.h"
#include "TempDir.h"
#include "TreeBytes.h"
#include "storage/TreeNode.h"

std::string ScratchPath(const char* name)
{
    static const TempDir dir = [] {
        // Memory-backed when available: every input is written and read at least once.
        if (access("/dev/shm", W_OK) == 0) {
            setenv("TMPDIR", "/dev/shm", 1);
        }
        return TempDir();
    }();
    return dir.File(name);
}

std::string WriteScratchFile(const char* name, const std::uint8_t* data, std::size_t size)
{
    const std::string path = ScratchPath(name);
    TreeBytes::WriteFile(path, TreeBytes::Bytes(data, data + size));
    return path;
}

std::vector<std::uint8_t> FrameTreePayload(const std::uint8_t* data, std::size_t size)
{
    return TreeBytes::TreeFile(
        TreeBytes::StreamOf(
            TreeBytes::Payload().Raw(std::string(reinterpret_cast<const char*>(data), size)).Finish()),
        TreeBytes::GzipHeader(), 1);
}

std::vector<std::uint8_t> TreeFileFromInput(const std::uint8_t* data, std::size_t size)
{
    if (size >= 2 && data[0] == 0x1F && data[1] == 0x8B) {
        return {data, data + size};
    }
    return FrameTreePayload(data, size);
}

void FuzzCheck(bool condition, const char* promise)
{
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", promise);
        std::abort();
    }
}

void LoadTreeFileAndCheck(const std::uint8_t* data, std::size_t size)
{
    const std::string input = WriteScratchFile("input", data, size);
    TreeNode node;
    if (node.LoadFileWithStatus(input) != TreeLoadStatus::Loaded) {
        FuzzCheck(SameTree(node, TreeNode()), "a refused file leaves the node unchanged");
        return;
    }
    const std::string copy = ScratchPath("copy");
    FuzzCheck(node.SaveFile(copy), "a tree that was read can be written");
    TreeNode reread;
    FuzzCheck(reread.LoadFileWithStatus(copy) == TreeLoadStatus::Loaded, "a written tree reads back");
    FuzzCheck(SameTree(node, reread), "a written tree reads back identically");
}
