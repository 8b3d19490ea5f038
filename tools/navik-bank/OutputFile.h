#pragma once

#include <QString>
#include <QStringList>

// Whether a command may write its output file. A teacher's source or bank must not be lost to a
// slip on the command line: the output may never be one of the inputs (the same file, however its
// path is spelt, through links included), and an existing file is replaced only when it is what
// the command writes anyway or when --force says so.
class OutputFile
{
public:
    enum class Replaces
    {
        // build: a question database may be rebuilt in place; anything else needs --force.
        OnlyBanks,
        // export: any existing file needs --force, since a source may be a teacher's own.
        Nothing,
    };

    // Empty when the command may write output; otherwise why not, for the user.
    static QString Refusal(const QString& output, const QStringList& inputs, Replaces replaces, bool force);
};
