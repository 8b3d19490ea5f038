#pragma once
// Runs a piece of a test in a child process, for what must not touch the test process itself:
// lowered limits or another user.

#include <functional>
#include <string>

// The child runs body and reports its return value: empty when its checks passed, otherwise
// what went wrong; a child that dies before it reports fails too.
std::string RunInChild(const std::function<std::string()>& body);
