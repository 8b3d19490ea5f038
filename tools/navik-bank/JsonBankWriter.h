#pragma once

#include <QByteArray>
#include <vector>

#include "tools/navik-bank/SourceQuestion.h"

// Writes questions as the JSON source that JsonBankReader reads: UTF-8, indented, the keys of each
// question always in the order text, answers, correct, picture (left out when there is none), so
// exported banks compare well in a diff.
class JsonBankWriter
{
public:
    static QByteArray Write(const std::vector<SourceQuestion>& questions);
};
