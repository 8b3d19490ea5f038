#pragma once

#include <QStringList>
#include <optional>
#include <vector>

#include "tools/navik-bank/SourceQuestion.h"

// Holds what a navik-bank source reader returned, with its errors, to the promises of the tool: a
// refusal always says why; a source that compiles gives questions the program can show, a database
// that passes the tool's own check and loads in the program as compiled, and exports (JSON, and CSV
// where it keeps every character) that read and compile back into the same questions. Aborts on a
// broken promise.
void CompileSourceAndCheck(const std::optional<std::vector<SourceQuestion>>& read, QStringList errors);
