#pragma once

#include <QByteArray>
#include <QString>

// The text of a question source as a teacher's editor or spreadsheet saved it: UTF-8, with or
// without a byte order mark, or, as a Czech spreadsheet saves "CSV (oddělovač středník)", in
// Windows-1250. UTF-8 is tried first: Windows-1250 text with Czech letters is practically never
// valid UTF-8, while every byte is a Windows-1250 character.
class SourceText
{
public:
    static SourceText Decode(const QByteArray& bytes);

    QString m_strText;
    bool m_bWindows1250 = false;
};
