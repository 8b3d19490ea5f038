#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>
#include <sys/wait.h>

#include "TempDir.h"
#include "TreeBytes.h"
#include "storage/TreeNode.h"

namespace {

struct BankRun
{
    int exitCode;
    std::string out;
    std::string err;
};

BankRun Bank(const TempDir& dir, const std::string& arguments)
{
    const std::string out = dir.File("stdout");
    const std::string err = dir.File("stderr");
    const std::string command = std::string(NAVIK_BANK) + " " + arguments + " >" + out + " 2>" + err;
    const int status = std::system(command.c_str());
    const auto read = [](const std::string& path) {
        const TreeBytes::Bytes bytes = TreeBytes::ReadFile(path);
        return std::string(bytes.begin(), bytes.end());
    };
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read(out), read(err)};
}

QJsonObject Parse(const std::string& json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << json;
    return document.object();
}

TEST(Dump, PrintsEveryNodeAndValueInFileOrder)
{
    TempDir dir;
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
    ASSERT_TRUE(root.SaveFile(dir.File("bank.dat")));

    const BankRun run = Bank(dir, "dump " + dir.File("bank.dat"));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonObject tree = Parse(run.out);
    EXPECT_EQ(tree["name"].toString(), "Main");
    EXPECT_EQ(tree["index"].toInt(), 0);
    const QJsonObject count = tree["values"].toArray()[0].toObject();
    EXPECT_EQ(count["name"].toString(), "count");
    EXPECT_EQ(count["type"].toInt(), 2);
    EXPECT_EQ(count["size"].toInt(), 4);
    EXPECT_EQ(count["value"].toInt(), 150);

    ASSERT_EQ(tree["children"].toArray().size(), 1);
    const QJsonObject child = tree["children"].toArray()[0].toObject();
    EXPECT_EQ(child["name"].toString(), "otazka");
    EXPECT_EQ(child["index"].toInt(), 4);
    EXPECT_TRUE(child["children"].toArray().isEmpty());
    const QJsonArray values = child["values"].toArray();
    ASSERT_EQ(values.size(), 6);
    EXPECT_EQ(values[0].toObject()["value"].toString(), QString::fromUtf8("Kdo má přednost?"));
    EXPECT_EQ(values[1].toObject()["index"].toInt(), 1);
    EXPECT_EQ(values[1].toObject()["value"].toString(), "a) \"kotva\"\\\n");
    EXPECT_EQ(values[2].toObject()["value"], QJsonValue(false));
    EXPECT_EQ(values[3].toObject()["type"].toInt(), 6);
    EXPECT_EQ(values[3].toObject()["value"].toInt(), -5);
    EXPECT_EQ(values[4].toObject()["hex"].toString(), "00abff");
    EXPECT_FALSE(values[4].toObject().contains("value"));
    EXPECT_EQ(values[5].toObject()["hex"].toString(), "00abff");
}

TEST(Dump, ExplainsEveryFileItCannotRead)
{
    TempDir dir;
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
        {"text.txt", TreeBytes::Bytes(100, 'a'), "není to soubor gzip"},
        {"magic.dat", wrongMagic, "chybný podpis"},
        {"short.dat", TreeBytes::TreeFile({50, 0, 0, 0, 1, 2}), "data končí předčasně"},
        {"checksum.dat", TreeBytes::TreeFile(TreeBytes::StreamOf(badChecksum)),
         "nesouhlasí kontrolní součet"},
        {"malformed.dat", TreeBytes::TreeFile(TreeBytes::StreamOf(TreeBytes::Payload().Int32(-1).Finish())),
         "poškozený obsah"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TreeBytes::WriteFile(dir.File(c.name), c.bytes);
        const BankRun run = Bank(dir, "dump " + dir.File(c.name));
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    }
    const BankRun missing = Bank(dir, "dump " + dir.File("missing.dat"));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("nejde otevřít"), std::string::npos) << missing.err;
}

TEST(Dump, BadUsageExitsWithTwo)
{
    TempDir dir;
    EXPECT_EQ(Bank(dir, "").exitCode, 2);
    EXPECT_EQ(Bank(dir, "dump").exitCode, 2);
    EXPECT_EQ(Bank(dir, "dump a b").exitCode, 2);
    const BankRun unknown = Bank(dir, "frobnicate");
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_NE(unknown.err.find("dump SOUBOR"), std::string::npos);
}

} // namespace
