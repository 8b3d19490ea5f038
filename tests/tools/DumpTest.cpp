#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "TreeBytes.h"
#include "storage/TreeNode.h"
#include "tests/tools/BankToolRun.h"
#include "tools/navik-bank/DumpCommand.h"

namespace {

using testing::HasSubstr;

TEST(DumpCommandTest, PrintsEveryNodeAndValueInFileOrder)
{
    QTemporaryDir dir;
    TreeNode root;
    root.SetInt("count", 150, 0);
    TreeNode& question = root.AddChild("otazka", 4);
    question.SetText("text",
                     "Kdo m\xE1 p\xF8"
                     "ednost?",
                     0);
    question.SetValue("text", "a) \"kotva\"\\\n\0rest", 17, TreeValue::TypeText, 1);
    question.SetBool("flag", false, 0);
    question.SetLong("m_nTimeOver", -5, 0);
    const std::uint8_t odd[3] = {0x00, 0xAB, 0xFF};
    question.SetValue("odd", odd, 3, 7, 0);
    question.SetValue("short int", odd, 3, TreeValue::TypeInt, 0);
    ASSERT_TRUE(root.SaveFile(dir.filePath("bank.dat").toStdString()));

    const BankToolRun run = BankToolRun::Of(DumpCommand::Run, {dir.filePath("bank.dat").toStdString()});
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    // A text ends at its first zero byte, as the program reads it; a value of no known type or
    // of the wrong size for its type is shown as hex.
    EXPECT_EQ(run.m_strOut, R"({"name": "Main", "index": 0,
 "values": [
  {"name": "count", "index": 0, "type": 2, "size": 4, "value": 150}
 ],
 "children": [
  {"name": "otazka", "index": 4,
   "values": [
    {"name": "text", "index": 0, "type": 4, "size": 16, "value": "Kdo má přednost?"},
    {"name": "text", "index": 1, "type": 4, "size": 17, "value": "a) \"kotva\"\\\n"},
    {"name": "flag", "index": 0, "type": 1, "size": 1, "value": false},
    {"name": "m_nTimeOver", "index": 0, "type": 6, "size": 4, "value": -5},
    {"name": "odd", "index": 0, "type": 7, "size": 3, "hex": "00abff"},
    {"name": "short int", "index": 0, "type": 2, "size": 3, "hex": "00abff"}
   ],
   "children": []}
 ]}
)");
}

TEST(DumpCommandTest, ExplainsEveryFileItCannotRead)
{
    QTemporaryDir dir;
    const TreeBytes::Bytes good = TreeBytes::Payload().NameTable({"Main"}).NodeStart(0, 0).NodeEnd().Finish();
    TreeBytes::Bytes badChecksum = good;
    badChecksum.back() ^= 1;
    TreeBytes::Bytes wrongMagic = TreeBytes::TreeFile(TreeBytes::StreamOf(good));
    wrongMagic[12] = 'X';
    const struct
    {
        const char* name;
        TreeBytes::Bytes bytes;
        const char* reason;
    } cases[] = {
        {"magic.dat", wrongMagic, "chybný podpis, není to soubor stromu"},
        {"short.dat", TreeBytes::TreeFile({50, 0, 0, 0, 1, 2}), "data končí předčasně"},
        {"checksum.dat", TreeBytes::TreeFile(TreeBytes::StreamOf(badChecksum)),
         "nesouhlasí kontrolní součet"},
        {"malformed.dat", TreeBytes::TreeFile(TreeBytes::StreamOf(TreeBytes::Payload().Int32(-1).Finish())),
         "poškozený obsah"},
        {"missing.dat", {}, "nejde otevřít"},
    };
    for (const auto& c : cases) {
        const std::string path = dir.filePath(c.name).toStdString();
        if (!c.bytes.empty()) {
            TreeBytes::WriteFile(path, c.bytes);
        }
        const BankToolRun run = BankToolRun::Of(DumpCommand::Run, {path});
        EXPECT_EQ(run.m_nStatus, 1) << c.name;
        EXPECT_EQ(run.m_strOut, "") << c.name;
        EXPECT_THAT(run.m_strErr, HasSubstr(c.reason)) << c.name;
    }
    EXPECT_EQ(BankToolRun::Of(DumpCommand::Run, {}).m_nStatus, 2);
    const BankToolRun twoFiles = BankToolRun::Of(DumpCommand::Run, {"a", "b"});
    EXPECT_EQ(twoFiles.m_nStatus, 2);
    EXPECT_THAT(twoFiles.m_strErr, HasSubstr("použití: navik-bank dump SOUBOR"));
}

} // namespace
