#include "ChildProcess.h"

#include "KillableChild.h"

#include <unistd.h>

#include <exception>

namespace {

// Ends a whole report: a child that dies before it is done leaves none.
constexpr char kEnd = '\n';

} // namespace

std::string RunInChild(const std::function<std::string()>& body)
{
    KillableChild child([&body](int report) {
        std::string text;
        try {
            text = body();
        } catch (const std::exception& error) {
            text = std::string("uncaught exception: ") + error.what();
        }
        text += kEnd;
        // A blocking write to a pipe that the parent reads to its end writes everything.
        [[maybe_unused]] const ssize_t written = write(report, text.data(), text.size());
    });
    std::string text = child.ReadToEnd();
    if (text.empty() || text.back() != kEnd)
        return "the child died before its report: " + text;
    text.pop_back();
    return text;
}
