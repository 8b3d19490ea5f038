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

std::string WriteScratchFile(const char* name, const std::vector<std::uint8_t>& bytes)
{
    const std::string path = ScratchPath(name);
    TreeBytes::WriteFile(path, bytes);
    return path;
}

std::vector<std::uint8_t> FrameTreePayload(const std::uint8_t* data, std::size_t size)
{
    return TreeBytes::TreeFile(
        TreeBytes::StreamOf(
            TreeBytes::Payload().Raw(std::string(reinterpret_cast<const char*>(data), size)).Finish()),
        TreeBytes::GzipHeader(), 1);
}

std::string WriteTreeScratchFile(const char* name, const std::uint8_t* data, std::size_t size)
{
    const bool whole = size >= 2 && data[0] == 0x1F && data[1] == 0x8B;
    return WriteScratchFile(name, whole ? std::vector<std::uint8_t>(data, data + size)
                                        : FrameTreePayload(data, size));
}

void FuzzCheck(bool condition, const char* promise)
{
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", promise);
        std::abort();
    }
}

void LoadTreeFileAndCheck(const std::vector<std::uint8_t>& file)
{
    const std::string input = WriteScratchFile("input", file);
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
