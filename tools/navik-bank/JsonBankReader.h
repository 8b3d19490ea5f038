#pragma once

#include <QStringList>
#include <optional>
#include <vector>

#include "tools/navik-bank/SourceQuestion.h"

// Reads the JSON form of a bank:
//   {"questions": [{"text": "...", "answers": ["...", "...", "..."], "correct": "b", "picture": "x"}]}
// It checks the form only (JSON syntax, escapes, types, known keys); what the fields say is the
// compiler's business. Unknown keys are errors, so a misspelt "picture" does not silently drop a
// picture, and so is every escape JSON does not define, which a lenient parser would drop.
class JsonBankReader
{
public:
    // Nothing, with the reasons in errors, when the text is no such JSON at all; otherwise the
    // questions, with an error for every part of a question whose form is wrong (and marked so).
    static std::optional<std::vector<SourceQuestion>> Read(const QString& text, QStringList& errors);
};
