#pragma once

#include <deque>
#include <string>
#include <vector>

// Takes over the generator's draws and the message seam for one test: draws come from a script
// (or from a seeded generator when the script runs dry), and are counted; messages are recorded.
class ScriptedDraws
{
public:
    ScriptedDraws();
    ~ScriptedDraws();
    ScriptedDraws(const ScriptedDraws&) = delete;
    ScriptedDraws& operator=(const ScriptedDraws&) = delete;

    void Script(std::vector<int> draws, int thenAlways);
    int Count() const { return m_count; }
    const std::vector<std::string>& Messages() const { return m_messages; }

private:
    std::deque<int> m_script;
    int m_fallback = -1;
    int m_count = 0;
    std::vector<std::string> m_messages;
};
