#pragma once
// Runs a piece of a test in a child process, for what must not touch the test process itself:
// lowered limits, another user, a private mount namespace, or a death by SIGKILL.

#include <functional>
#include <string>

struct ChildOutcome
{
    bool skipped = false;
    // Empty when the child's checks passed; otherwise what went wrong, or how the child died.
    std::string failure;
};

// The child runs body and reports its return value: empty for success, a text starting with
// kSkip for a check that cannot run here (the rest is the reason), anything else as the failure.
inline constexpr const char* kSkip = "skip: ";
ChildOutcome RunInChild(const std::function<std::string()>& body);
