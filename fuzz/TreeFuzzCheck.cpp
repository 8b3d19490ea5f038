#include "TreeFuzzCheck.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "storage/TreeNode.h"

namespace {

class ScratchDir
{
public:
    ScratchDir()
    {
        // Memory-backed when available: every input is written and read at least once.
        const std::string base =
            access("/dev/shm", W_OK) == 0 ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string pattern = base + "/navik-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        m_path = pattern;
    }
    ~ScratchDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string File(const char* name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

const ScratchDir& Scratch()
{
    static const ScratchDir dir;
    return dir;
}

bool SameTree(const TreeNode& a, const TreeNode& b)
{
    if (a.GetName() != b.GetName() || a.GetIndex() != b.GetIndex() ||
        a.GetValueCount() != b.GetValueCount() || a.GetChildCount() != b.GetChildCount()) {
        return false;
    }
    for (std::size_t i = 0; i < a.GetValueCount(); ++i) {
        const TreeValue& x = a.GetValueAt(i);
        const TreeValue& y = b.GetValueAt(i);
        if (x.GetName() != y.GetName() || x.GetIndex() != y.GetIndex() || x.GetType() != y.GetType() ||
            x.GetBytes() != y.GetBytes()) {
            return false;
        }
    }
    for (std::size_t i = 0; i < a.GetChildCount(); ++i) {
        if (!SameTree(a.GetChildAt(i), b.GetChildAt(i))) {
            return false;
        }
    }
    return true;
}

void Check(bool condition, const char* promise)
{
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", promise);
        std::abort();
    }
}

} // namespace

void LoadTreeFileAndCheck(const std::uint8_t* data, std::size_t size)
{
    const std::string input = Scratch().File("input");
    std::FILE* out = std::fopen(input.c_str(), "wb");
    Check(out && std::fwrite(data, 1, size, out) == size && std::fclose(out) == 0,
          "the scratch file is written");

    TreeNode node;
    if (node.LoadFileWithStatus(input) != TreeLoadStatus::Loaded) {
        Check(node.GetName() == "Main" && node.GetIndex() == 0 && node.GetValueCount() == 0 &&
                  node.GetChildCount() == 0,
              "a refused file leaves the node unchanged");
        return;
    }
    const std::string copy = Scratch().File("copy");
    Check(node.SaveFile(copy), "a tree that was read can be written");
    TreeNode reread;
    Check(reread.LoadFileWithStatus(copy) == TreeLoadStatus::Loaded, "a written tree reads back");
    Check(SameTree(node, reread), "a written tree reads back identically");
}
