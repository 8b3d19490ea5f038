#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>
#include <vector>

#include "tools/navik-bank/SourceQuestion.h"

// Reads the JSON form of a bank:
//   {"questions": [{"text": "...", "answers": ["...", "...", "..."], "correct": "b", "picture": "x"}]}
// It checks the form only (JSON syntax, types, known keys); what the fields say is the compiler's
// business. Unknown keys are errors, so a misspelt "picture" does not silently drop a picture.
class JsonBankReader
{
public:
    // Nothing, with the reasons in errors, when the form is wrong anywhere.
    static std::optional<std::vector<SourceQuestion>> Read(const QByteArray& json, QStringList& errors);
};
