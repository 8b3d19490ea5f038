#include "KillableChild.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

KillableChild::KillableChild(const std::function<void(int progress)>& work)
{
    int progress[2];
    if (pipe(progress) != 0)
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    m_pid = fork();
    if (m_pid < 0)
        throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    if (m_pid == 0) {
        close(progress[0]);
        work(progress[1]);
        // No exit handlers: they belong to the test process.
        _exit(0);
    }
    close(progress[1]);
    m_progress = progress[0];
}

KillableChild::~KillableChild()
{
    if (m_pid > 0)
        Kill();
    close(m_progress);
}

bool KillableChild::AwaitProgress()
{
    char byte;
    return read(m_progress, &byte, 1) == 1;
}

std::string KillableChild::ReadToEnd()
{
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = read(m_progress, buffer, sizeof buffer)) > 0;)
        text.append(buffer, std::size_t(n));
    return text;
}

bool KillableChild::Kill()
{
    kill(m_pid, SIGKILL);
    int status = 0;
    waitpid(m_pid, &status, 0);
    m_pid = -1;
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}
