#include "RunningSaveMark.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

// The lock lasts as long as its holder, which the mark's end kills.
RunningSaveMark::RunningSaveMark(const std::string& path)
    : m_holder([&path](int progress) {
          if (flock(open(path.c_str(), O_RDONLY), LOCK_EX) == 0 && write(progress, "l", 1) == 1) {
              for (;;)
                  pause();
          }
      })
{
    m_held = m_holder.AwaitProgress();
}

RunningSaveMark::~RunningSaveMark() = default;
