#include "ChildProcess.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <exception>

std::string RunInChild(const std::function<std::string()>& body)
{
    int report[2];
    if (pipe(report) != 0)
        return std::string("pipe: ") + std::strerror(errno);
    const pid_t child = fork();
    if (child < 0)
        return std::string("fork: ") + std::strerror(errno);
    if (child == 0) {
        close(report[0]);
        std::string text;
        try {
            text = body();
        } catch (const std::exception& error) {
            text = std::string("uncaught exception: ") + error.what();
        }
        for (std::size_t done = 0; done < text.size();) {
            const ssize_t n = write(report[1], text.data() + done, text.size() - done);
            if (n <= 0)
                break;
            done += std::size_t(n);
        }
        // No exit handlers: they belong to the test process, which goes on.
        _exit(0);
    }
    close(report[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = read(report[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        text.append(buffer, std::size_t(n));
    }
    close(report[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFSIGNALED(status))
        return "the child died of signal " + std::to_string(WTERMSIG(status)) + " " + text;
    return text;
}
