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
        for (std::size_t done = 0; done < text.size();) {
            const ssize_t n = write(report, text.data() + done, text.size() - done);
            if (n <= 0)
                break;
            done += std::size_t(n);
        }
    });
    std::string text = child.ReadToEnd();
    if (text.empty() || text.back() != kEnd)
        return "the child died before its report: " + text;
    text.pop_back();
    return text;
}
