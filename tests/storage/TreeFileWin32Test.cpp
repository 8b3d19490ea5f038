// What saving and loading do differently on Windows: other programs' handles that do not share
// the file, the replace by full path, and UTF-8 names of folders that the system keeps in UTF-16.

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <thread>

#include "TempDir.h"
#include "framework/base/CFileException.h"
#include "storage/TreeNode.h"

namespace {

// The file open as another program may hold it: without sharing it in any way.
class ExclusiveHolder
{
public:
    explicit ExclusiveHolder(const std::string& path)
        : m_handle(CreateFileW(std::filesystem::path(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    ~ExclusiveHolder() { Release(); }
    ExclusiveHolder(const ExclusiveHolder&) = delete;
    ExclusiveHolder& operator=(const ExclusiveHolder&) = delete;

    bool Holds() const { return m_handle != INVALID_HANDLE_VALUE; }
    void Release()
    {
        if (Holds()) {
            CloseHandle(m_handle);
        }
        m_handle = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE m_handle;
};

bool SaveValue(int value, const std::string& path)
{
    TreeNode root;
    root.SetInt("value", value, 0);
    return root.SaveFile(path);
}

int ValueIn(const std::string& path)
{
    TreeNode node;
    node.LoadFile(path);
    int value = -1;
    node.GetInt("value", value, 0);
    return value;
}

// The standard library's text for a system error, which it takes in the ANSI code page, in UTF-8.
std::string SystemText(DWORD error)
{
    const std::string ansi = std::system_category().message(static_cast<int>(error));
    std::wstring wide(ansi.size(), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(
        CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), static_cast<int>(wide.size()))));
    return std::filesystem::path(wide).string();
}

void Touch(const std::filesystem::path& path)
{
    std::ofstream(path) << "left behind";
}

TEST(TreeFileWindows, AFileHeldWithoutSharingRaisesTheSharingViolationInTheSystemsWords)
{
    TempDir dir;
    const std::string path = dir.File("navik.cfg");
    ASSERT_TRUE(SaveValue(1, path));
    const ExclusiveHolder holder(path);
    ASSERT_TRUE(holder.Holds());
    try {
        ValueIn(path);
        FAIL() << "no error raised";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
        EXPECT_EQ(error.m_lOsError, ERROR_SHARING_VIOLATION);
        EXPECT_EQ(std::string(error.what()), path + ": " + SystemText(ERROR_SHARING_VIOLATION));
    }
}

TEST(TreeFileWindows, AReplaceWaitsForAMomentaryHolderOfTheTargetButNotForOneThatStays)
{
    TempDir dir;
    const std::string path = dir.File("navik.cfg");
    ASSERT_TRUE(SaveValue(1, path));

    // A virus scanner looking at the file for a moment.
    ExclusiveHolder briefly(path);
    ASSERT_TRUE(briefly.Holds());
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        briefly.Release();
    });
    const bool saved = SaveValue(2, path);
    release.join();
    EXPECT_TRUE(saved);
    EXPECT_EQ(ValueIn(path), 2);

    // A program that keeps it open.
    ExclusiveHolder throughout(path);
    ASSERT_TRUE(throughout.Holds());
    try {
        SaveValue(3, path);
        ADD_FAILURE() << "the save replaced a file held open";
    } catch (const CFileException& error) {
        // The system refuses the replace as a sharing violation, or as access denied.
        EXPECT_TRUE(error.m_cause == CFileException::sharingViolation ||
                    error.m_cause == CFileException::accessDenied)
            << error.what();
        EXPECT_EQ(error.m_strFileName, path);
    }
    throughout.Release();
    EXPECT_EQ(ValueIn(path), 2);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"navik.cfg"});
}

TEST(TreeFileWindows, ASaveInAFolderNamedInCzechStaysThereWhateverTheCurrentDirectory)
{
    TempDir dir;
    TempDir current;
    Touch(std::filesystem::path(current.File("navik.cfg.tmp01234567")));
    // Made through the wide API, so that only the save's conversion of the UTF-8 name is tested.
    const std::filesystem::path folder = std::filesystem::path(dir.Path()) / L"\u0160\u0165astn\u00fd";
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    Touch(folder / L"navik.cfg.tmp01234567");
    const std::string path = dir.Path() + "\\\u0160\u0165astn\u00fd\\navik.cfg";

    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(current.Path());
    const bool saved = SaveValue(1, path) && SaveValue(2, path);
    std::filesystem::current_path(previous);

    EXPECT_TRUE(saved);
    EXPECT_EQ(ValueIn(path), 2);
    // The stale temporary beside the file is gone; the one in the current directory is not its.
    std::vector<std::wstring> entries;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        entries.push_back(entry.path().filename().wstring());
    }
    EXPECT_EQ(entries, std::vector<std::wstring>{L"navik.cfg"});
    EXPECT_EQ(current.Entries(), std::vector<std::string>{"navik.cfg.tmp01234567"});
}

} // namespace
