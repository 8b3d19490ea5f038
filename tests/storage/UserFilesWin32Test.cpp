// Where the program's files go on Windows: beside it in a folder it may write, else under
// %APPDATA%, whose folders are made with the system's separators.

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

#include "TempDir.h"
#include "storage/UserFiles.h"

namespace {

TEST(UserFilesWin32, AWritableFolderKeepsThemAndFoldersAreMadeDownTheWay)
{
    TempDir program;
    EXPECT_FALSE(UserFiles::RefusesFiles(program.Path()));
    EXPECT_EQ(UserFiles::PathForWriting(program.Path() + "\\", "navik.cfg"), program.Path() + "\\navik.cfg");
    EXPECT_TRUE(program.Entries().empty()) << "the probe file was left behind";

    const std::string folder = program.Path() + "\\Roaming\\navik\\";
    ASSERT_TRUE(UserFiles::MakeFolders(folder));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_TRUE(UserFiles::MakeFolders(program.Path() + "/Roaming/navik"));
    EXPECT_EQ(UserFiles::Folder("C:\\Program Files\\Navik\\", true, "C:\\Users\\u\\AppData\\Roaming"),
              "C:\\Users\\u\\AppData\\Roaming\\navik\\");
    EXPECT_EQ(UserFiles::Folder("C:\\Navik\\", false, "C:\\Users\\u\\AppData\\Roaming"), "C:\\Navik\\");
}

} // namespace
