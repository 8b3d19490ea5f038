#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "model/QuestionBank.h"
#include "tools/navik-bank/SourceQuestion.h"

// Turns the questions of a source into their database form, or finds everything that keeps the
// program from showing them as written: texts that are empty, too long for its 1100-byte buffer or
// not expressible in Windows-1250, answer sets that are not three, unknown correct letters, picture
// names that would leave the picture folder or name a PNG and, when a folder is given, pictures
// that are no GIFs. Parts a reader has already reported as wrong are not looked at again. Messages
// are in Czech.
class BankCompiler
{
public:
    // Nothing, with every problem appended to errors, when any question is wrong or errors already
    // holds a reader's. An empty picturesDir skips the picture files.
    static std::optional<QuestionBank> Compile(const std::vector<SourceQuestion>& source,
                                               const QString& picturesDir, QStringList& errors);

    // The answer index of a correct letter a, b or c (either case, blanks around ignored), or -1.
    static int AnswerIndex(const QString& letter);
};
