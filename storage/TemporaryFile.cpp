#include "storage/TemporaryFile.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr char kTemporaryInfix[] = ".tmp";
constexpr std::size_t kTemporaryDigits = 8;

} // namespace

std::string TemporaryFile::Suffix(unsigned random)
{
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%s%08x", kTemporaryInfix, random);
    return suffix;
}

bool TemporaryFile::IsTemporaryOf(const std::string& entry, const std::string& targetName)
{
    const std::size_t prefix = targetName.size() + sizeof kTemporaryInfix - 1;
    return entry.size() == prefix + kTemporaryDigits &&
           entry.compare(0, targetName.size(), targetName) == 0 &&
           entry.compare(targetName.size(), sizeof kTemporaryInfix - 1, kTemporaryInfix) == 0 &&
           std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(prefix), entry.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}
