#pragma once

#include <QStringList>
#include <optional>
#include <vector>

#include "tools/navik-bank/SourceQuestion.h"

// Holds what a navik-bank source reader returned to the promises of the tool: a refusal always
// says why; a source that compiles gives questions the program can show, a database that passes
// the tool's own check and loads in the program as compiled, and an export (JSON) that reads and
// compiles back into the same questions. Aborts on a broken promise.
void CompileSourceAndCheck(const std::optional<std::vector<SourceQuestion>>& read, const QStringList& errors);
