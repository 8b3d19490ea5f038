#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tools/navik-bank/CsvBankReader.h"

namespace {

using testing::ElementsAre;
using testing::HasSubstr;

std::vector<SourceQuestion> ReadOk(const QString& csv, QStringList* notes = nullptr)
{
    QStringList errors;
    QStringList ignored;
    std::optional<std::vector<SourceQuestion>> questions =
        CsvBankReader::Read(csv, errors, notes ? *notes : ignored);
    EXPECT_TRUE(questions.has_value());
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
    return questions.value_or(std::vector<SourceQuestion>());
}

std::string ReadErrors(const QString& csv)
{
    QStringList errors;
    QStringList notes;
    CsvBankReader::Read(csv, errors, notes);
    EXPECT_FALSE(errors.isEmpty());
    return errors.join(u'\n').toStdString();
}

// Header columns in any order with the sheet's own spelling, an unknown one noted; quoted
// fields hold separators, quotes and line breaks; an empty row is skipped. Which field lands in
// which column is BuildCommandTest's, whose spreadsheet must build the bank its JSON builds.
TEST(CsvBankReaderTest, ReadsTheSheetsOwnHeaderAndQuotedFields)
{
    QStringList notes;
    const auto questions =
        ReadOk(QStringLiteral("\"Správná\"; OBRÁZEK ;Téma;c;b;a;Otázka;;\r\n"
                              "b;znacka07;plavba;\"\";\"první řádek\r\n"
                              "druhý řádek\";\"Řekl \"\"pozor\"\"\";\"Plavidlo; které\";;\r\n"
                              ";;;;;;;;\r\n"
                              "C;;;z;\"y, z\";x;Druhá\r\n"),
               &notes);
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0].m_strText, QStringLiteral("Plavidlo; které"));
    EXPECT_THAT(questions[0].m_answers, ElementsAre(QStringLiteral("Řekl \"pozor\""),
                                                    QStringLiteral("první řádek\ndruhý řádek"), QString()));
    EXPECT_EQ(questions[0].m_nLine, 2);
    // The line break inside the field and the empty row move the next question down.
    EXPECT_EQ(questions[1].m_nLine, 5);
    EXPECT_EQ(questions[1].m_nNumber, 2);
    EXPECT_THAT(notes, ElementsAre(QStringLiteral("sloupec 3 „Téma“ neznám; vynechávám ho")));
    // Without a picture column, and an empty correct letter is a missing one for the compiler.
    EXPECT_FALSE(ReadOk(QStringLiteral("otazka,a,b,c,spravna\nQ,x,y,z,\n")).front().m_correct.has_value());
}

TEST(CsvBankReaderTest, FormErrorsNameTheLineAndTheColumn)
{
    EXPECT_THAT(
        ReadErrors(QStringLiteral("question,a,b,c,correct\nQ,x,y,z,a\n")),
        HasSubstr("první řádek musí být záhlaví se sloupci otazka, a, b, c, spravna a případně obrazek, "
                  "oddělené čárkami nebo středníky; chybí „otazka“, „spravna“"));
    EXPECT_THAT(ReadErrors(QString()), HasSubstr("soubor je prázdný"));
    EXPECT_THAT(ReadErrors(QStringLiteral("otazka;a;b;c;spravna;A\n")),
                HasSubstr("záhlaví má sloupec „a“ dvakrát"));
    EXPECT_THAT(ReadErrors(QStringLiteral("otazka,a,b,c,spravna\nQ,x,\"never closed,z,a\n")),
                HasSubstr("řádek 2: pole v uvozovkách není uzavřeno"));
    EXPECT_THAT(ReadErrors(QStringLiteral("otazka,a,b,c,spravna\nQ,\"x\"y,z,w,a\n")),
                HasSubstr("řádek 2: za uzavírací uvozovkou pokračuje text"));
    EXPECT_THAT(ReadErrors(QStringLiteral("otazka,a,b,c,spravna\nFirst,x,y,z,a\nToo wide,x,y,z,a,extra\n")),
                HasSubstr("otázka 2 (řádek 3) „Too wide“: má 6 polí, záhlaví jen 5"));
    EXPECT_EQ(ReadErrors(QStringLiteral("spravna;otazka;a;b; C \na;Short;x;y\n")),
              "otázka 1 (řádek 2) „Short“: chybí sloupec „C“ (polí v řádku: 4)");
}

} // namespace
