#include "RunningSaveMark.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

RunningSaveMark::RunningSaveMark(const std::string& path)
{
    if (pipe(m_ready) != 0 || pipe(m_release) != 0 || (m_holder = fork()) < 0)
        return;
    if (m_holder == 0) {
        const int fd = open(path.c_str(), O_RDONLY);
        char byte = flock(fd, LOCK_EX) == 0 ? 'l' : 'x';
        if (write(m_ready[1], &byte, 1) != 1 || read(m_release[0], &byte, 1) != 1)
            _exit(1);
        _exit(0);
    }
    char locked = 0;
    m_held = read(m_ready[0], &locked, 1) == 1 && locked == 'l';
}

RunningSaveMark::~RunningSaveMark()
{
    if (m_holder > 0 && write(m_release[1], "r", 1) == 1)
        waitpid(m_holder, nullptr, 0);
    for (int fd : {m_ready[0], m_ready[1], m_release[0], m_release[1]})
        close(fd);
}
