#pragma once
// The mark a save keeps on its temporary file while it runs, put on a file by hand: a lock held
// by another process on POSIX, the file held open without sharing its deletion on Windows.

#ifndef _WIN32
#include "KillableChild.h"
#endif

#include <string>

class RunningSaveMark
{
public:
    explicit RunningSaveMark(const std::string& path);
    ~RunningSaveMark();
    RunningSaveMark(const RunningSaveMark&) = delete;
    RunningSaveMark& operator=(const RunningSaveMark&) = delete;

    bool Held() const { return m_held; }

private:
    bool m_held = false;
#ifdef _WIN32
    void* m_handle = nullptr;
#else
    KillableChild m_holder;
#endif
};
