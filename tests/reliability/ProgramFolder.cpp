#include "ProgramFolder.h"

#include "TreeBytes.h"
#include "storage/TreeNode.h"

#include <array>
#include <climits>
#include <filesystem>

namespace {

// Texts in plain Windows-1250 (no byte the code page leaves undefined), as the window shows them.
TreeNode& AddQuestion(TreeNode& root, int index, const std::string& text, int answer,
                      const std::string& picture = {})
{
    TreeNode& node = root.AddChild("otazka", index);
    node.SetText("text", text, 0);
    for (int i = 1; i <= 3; ++i)
        node.SetText("text", text + " - odpov\xec\xef " + char('a' + i - 1), i);
    node.SetInt("odpoved", answer, 0);
    node.SetInt("isobr", picture.empty() ? 0 : 1, 0);
    if (!picture.empty())
        node.SetText("obrname", picture, 0);
    return node;
}

void WriteBank(Bank bank, const TempDir& dir)
{
    const std::string path = dir.File("Demootazky.dat");
    TreeNode root;
    switch (bank) {
    case Bank::Demo:
        for (const char* name : {"Demootazky.dat", "Logo.jpg"})
            std::filesystem::copy_file(std::string(NAVIK_TEST_DIST_DIR) + "/" + name, dir.File(name));
        std::filesystem::copy(std::string(NAVIK_TEST_DIST_DIR) + "/obr", dir.File("obr"));
        return;
    case Bank::Small:
        root.SetInt("count", 5, 0);
        for (int i = 0; i < 5; ++i)
            AddQuestion(root, i, "Ot\xe1zka " + std::to_string(i + 1), i % 3);
        break;
    case Bank::Hostile: {
        root.SetInt("count", 7, 0);
        AddQuestion(root, 0, "Obr\xe1zek, kter\xfd chyb\xed", 1, "neni_tu");
        // Question 1 has no node; 2 is there twice.
        AddQuestion(root, 2, std::string(2000, 'x'), 7);
        AddQuestion(root, 2, "Druh\xe1 dvojka", 0);
        TreeNode& wrongTypes = root.AddChild("otazka", 3);
        wrongTypes.SetLong("odpoved", 2, 0);
        wrongTypes.SetText("isobr", "1", 0);
        wrongTypes.SetText("obrname", "../../etc/passwd", 0);
        TreeNode& bare = root.AddChild("otazka", 4);
        bare.SetInt("odpoved", INT_MIN, 0);
        bare.SetInt("isobr", -1, 0);
        AddQuestion(root, 5, "Obr\xe1zek, kter\xfd nen\xed GIF", 2, "rozbity");
        AddQuestion(root, 6, "Obr\xe1zek bez jm\xe9na", 0).SetInt("isobr", 1, 0);
        AddQuestion(root, -1, "Z\xe1porn\xfd index", 0);
        AddQuestion(root, 99, "Za koncem", 0);
        std::filesystem::create_directory(dir.File("obr"));
        TreeBytes::WriteFile(dir.File("obr/rozbity.gif"),
                             {'G', 'I', 'F', '8', '9', 'a', 0xFF, 0xFF, 0xFF, 0xFF});
        break;
    }
    case Bank::HugeCount:
        root.SetInt("count", 100000, 0);
        break;
    case Bank::Empty:
        root.SetInt("count", 0, 0);
        break;
    case Bank::NotATree:
        TreeBytes::WriteFile(path, {0x1F, 0x8B, 0x08, 0, 'n', 'o', 't', ' ', 'a', ' ', 't', 'r', 'e', 'e'});
        return;
    }
    root.SaveFile(path);
}

void SetTest(TreeNode& root, std::initializer_list<int> entries, int count, int pos)
{
    int i = 0;
    for (const int entry : entries)
        root.SetInt("m_test", entry, i++);
    root.SetInt("m_testCount", count, 0);
    root.SetInt("m_testPos", pos, 0);
    root.SetBool("m_bZOnlyNew", false, 0);
    root.SetInt("m_nZNovytest", 1, 0);
}

void WriteSettings(StoredState state, const std::string& path)
{
    TreeNode root;
    switch (state) {
    case StoredState::None:
        return;
    case StoredState::PastEveryEnd:
        root.SetValue("m_bUShowAll", "\x05", 1, 1, 0);
        root.SetInt("m_nUZacatek", 1, 0);
        root.SetInt("m_nULast", 1 << 30, 0);
        root.SetInt("m_nZLast", -7, 0);
        root.SetInt("m_nZVsechny", 9, 0);
        root.SetInt("m_nZPocetOtazek", 5000, 0);
        root.SetInt("m_nZKontrolaOdpovedi", 3, 0);
        for (int i = 0; i < 1000; ++i)
            root.SetInt("m_test", (1 << 30) + i, i);
        SetTest(root, {}, 5000, 4999);
        root.SetInt("m_nTimeTest", 1, 0);
        root.SetInt("m_nTimeTotal", -5, 0);
        root.SetLong("m_nTimeOver", INT_MIN, 0);
        break;
    case StoredState::OutsideTheBank:
        SetTest(root, {0, -1, 1 << 30, 3}, 4, 1);
        root.SetInt("m_nULast", -1, 0);
        break;
    case StoredState::AtItsEnd:
        SetTest(root, {0, 1, 2}, 3, 3);
        break;
    case StoredState::NearTheClockTop:
        SetTest(root, {0, 1, 2}, 3, 1);
        root.SetInt("m_nTimeTest", 1, 0);
        root.SetInt("m_nTimeTotal", INT_MAX, 0);
        root.SetLong("m_nTimeOver", INT_MAX - 2, 0);
        break;
    case StoredState::TimeIsUp:
        SetTest(root, {2, 1, 0}, 3, 0);
        root.SetInt("m_nTimeTest", 1, 0);
        root.SetInt("m_nTimeTotal", 1, 0);
        root.SetLong("m_nTimeOver", 100000, 0);
        break;
    case StoredState::AllNegative:
        for (const char* flag : {"m_bUShowAll", "m_bZOnlyNew"})
            root.SetValue(flag, "\xFF", 1, 1, 0);
        for (const char* number :
             {"m_nUZacatek", "m_nULast", "m_nZLast", "m_nZVsechny", "m_nZPocetOtazek", "m_nZNovytest",
              "m_nZKontrolaOdpovedi", "m_testCount", "m_testPos", "m_nTimeTest", "m_nTimeTotal"})
            root.SetInt(number, INT_MIN, 0);
        for (int i = 0; i < 1000; ++i)
            root.SetInt("m_test", INT_MIN, i);
        root.SetLong("m_nTimeOver", INT_MIN, 0);
        break;
    case StoredState::WrongTypes:
        root.SetInt("m_bUShowAll", 0, 0);
        root.SetInt("m_bZOnlyNew", 0, 0);
        root.SetLong("m_nULast", 3, 0);
        root.SetText("m_nZPocetOtazek", "3", 0);
        root.SetBool("m_testCount", true, 0);
        root.SetLong("m_testPos", 1, 0);
        root.SetInt("m_nTimeOver", 50, 0);
        root.SetValue("m_nTimeTotal", "\x01\x00", 2, 2, 0);
        break;
    }
    root.SaveFile(path);
}

} // namespace

const char* Name(Bank bank)
{
    return std::array{"demo bank",    "small bank",
                      "hostile bank", "bank with a huge count",
                      "empty bank",   "bank that is no tree file"}[std::size_t(bank)];
}

const char* Name(StoredState state)
{
    return std::array{"no settings file",
                      "counts past every end",
                      "a stored test outside the bank",
                      "a stored test at its end",
                      "a used time near the top of an int",
                      "a stored test whose time is up",
                      "every number the lowest int",
                      "every value under another type"}[std::size_t(state)];
}

ProgramFolder::ProgramFolder(Bank bank, StoredState state)
{
    WriteBank(bank, m_dir);
    WriteSettings(state, SettingsFile());
}
