#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tools/navik-bank/CsvBankReader.h"

namespace {

using testing::ElementsAre;
using testing::HasSubstr;

std::vector<SourceQuestion> ReadOk(const QByteArray& csv)
{
    QStringList errors;
    std::optional<std::vector<SourceQuestion>> questions = CsvBankReader::Read(csv, errors);
    EXPECT_TRUE(questions.has_value()) << errors.join(u'\n').toStdString();
    EXPECT_TRUE(errors.isEmpty());
    return questions.value_or(std::vector<SourceQuestion>());
}

std::string ReadError(const QByteArray& csv)
{
    QStringList errors;
    EXPECT_FALSE(CsvBankReader::Read(csv, errors).has_value());
    return errors.join(u'\n').toStdString();
}

TEST(CsvBankReaderTest, QuotedFieldsHoldCommasQuotesAndLineBreaks)
{
    const auto questions = ReadOk("otazka,a,b,c,spravna,obrazek\r\n"
                                  "\"Plavidlo, které předjíždí\",\"Řekl \"\"pozor\"\"\",\"první řádek\r\n"
                                  "druhý řádek\",\"\",b,znacka07\r\n"
                                  "Druhá,x,y,z,C,\r\n");
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0].m_strText, QStringLiteral("Plavidlo, které předjíždí"));
    EXPECT_THAT(questions[0].m_answers, ElementsAre(QStringLiteral("Řekl \"pozor\""),
                                                    QStringLiteral("první řádek\ndruhý řádek"), QString()));
    EXPECT_EQ(questions[0].m_correct, QStringLiteral("b"));
    EXPECT_EQ(questions[0].m_strPicture, QStringLiteral("znacka07"));
    EXPECT_EQ(questions[0].m_nLine, 2);
    // The line break inside the field moves the next question down a line.
    EXPECT_EQ(questions[1].m_nLine, 4);
    EXPECT_EQ(questions[1].m_nNumber, 2);
    EXPECT_EQ(questions[1].m_correct, QStringLiteral("C"));
    EXPECT_TRUE(questions[1].m_strPicture.isEmpty());
}

TEST(CsvBankReaderTest, SemicolonSeparatedAsCzechSpreadsheetsWriteIt)
{
    const auto questions = ReadOk("\xEF\xBB\xBFotazka;a;b;c;spravna;obrazek\n"
                                  "Kdy, kde a jak?;ano, vždy;\"ne; nikdy\";možná;a;\n");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].m_strText, QStringLiteral("Kdy, kde a jak?"));
    EXPECT_THAT(questions[0].m_answers, ElementsAre(QStringLiteral("ano, vždy"), QStringLiteral("ne; nikdy"),
                                                    QStringLiteral("možná")));
}

TEST(CsvBankReaderTest, HeaderWithoutPictureColumnAndQuotedNames)
{
    const auto questions = ReadOk("\"Otazka\",\"A\",\"B\",\"C\",\"Spravna\"\nQ,x,y,z,a");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].m_answers.value(2), QStringLiteral("z"));
    EXPECT_EQ(questions[0].m_correct, QStringLiteral("a"));
}

TEST(CsvBankReaderTest, EmptyRowsAndPaddingCellsAreSkipped)
{
    const auto questions = ReadOk("otazka;a;b;c;spravna;obrazek;;\n"
                                  ";;;;;;;\n"
                                  "Q1;x;y;z;a;;;\n"
                                  "\n"
                                  "Q2;x;y;z;b\n"
                                  ";;;;;;;\n");
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[1].m_strText, QStringLiteral("Q2"));
    EXPECT_EQ(questions[1].m_nNumber, 2);
    EXPECT_EQ(questions[1].m_nLine, 5);
    EXPECT_FALSE(ReadOk("otazka,a,b,c,spravna\nQ,x,y,z,\n").front().m_correct.has_value());
}

TEST(CsvBankReaderTest, FormErrorsNameTheLine)
{
    EXPECT_THAT(ReadError("question,a,b,c,correct\nQ,x,y,z,a\n"),
                HasSubstr("the first row must be the header"));
    EXPECT_THAT(ReadError(""), HasSubstr("the first row must be the header"));
    EXPECT_THAT(ReadError("otazka,a,b,c,spravna\nQ,x,\"never closed,z,a\n"),
                HasSubstr("line 2: a quoted field is never closed"));
    EXPECT_THAT(ReadError("otazka,a,b,c,spravna\nQ,\"x\"y,z,w,a\n"),
                HasSubstr("line 2: unexpected text after a closing quote"));
    EXPECT_THAT(ReadError("otazka,a,b,c,spravna\nFirst,x,y,z,a\nToo wide,x,y,z,a,extra\n"),
                HasSubstr("question 2 (line 3) \"Too wide\": has 6 columns, the header has 5"));
    EXPECT_THAT(ReadError("otazka,a,b,c,spravna\nNe\xE8itelne,x,y,z,a\n"), HasSubstr("not valid UTF-8"));
}

} // namespace
