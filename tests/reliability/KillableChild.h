#pragma once
// A child process that works until it is killed, and tells of its progress one byte at a time:
// for a test of what a death at any moment leaves behind.

#include <functional>
#include <string>

class KillableChild
{
public:
#ifdef _WIN32
    // Windows cannot fork: the child is the program of that name beside this test program,
    // started in folder, and what it writes to its standard output is its progress.
    KillableChild(const std::string& program, const std::string& folder);
#else
    // The child runs work, which writes its progress to the descriptor it is given.
    explicit KillableChild(const std::function<void(int progress)>& work);
#endif
    ~KillableChild();
    KillableChild(const KillableChild&) = delete;
    KillableChild& operator=(const KillableChild&) = delete;

    // Waits for the next byte of progress; false when the child ended instead.
    bool AwaitProgress();
#ifndef _WIN32
    // Reads the progress up to the child's end.
    std::string ReadToEnd();
#endif
    // Kills the child as a crash would (SIGKILL, TerminateProcess) and waits for its end; false
    // when it had ended by itself.
    bool Kill();

private:
#ifdef _WIN32
    void* m_process = nullptr;
    void* m_progress = nullptr;
#else
    int m_pid = -1;
    int m_progress = -1;
#endif
};
