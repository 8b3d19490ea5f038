#pragma once

#include <deque>
#include <vector>

// Takes over the generator's draws for one test: draws come from a script (or from a seeded
// generator when the script runs dry), and are counted.
class ScriptedDraws
{
public:
    ScriptedDraws();
    ~ScriptedDraws();
    ScriptedDraws(const ScriptedDraws&) = delete;
    ScriptedDraws& operator=(const ScriptedDraws&) = delete;

    void Script(std::vector<int> draws, int thenAlways);
    int Count() const { return m_count; }

private:
    std::deque<int> m_script;
    int m_fallback = -1;
    int m_count = 0;
};
