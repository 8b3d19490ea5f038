#include "ScriptedDraws.h"

#include "modes/RandomGenerator.h"
#include "modes/RandomIndex.h"

ScriptedDraws::ScriptedDraws()
{
    SetRandomDrawSource([this, generator = RandomGenerator(4711)]() mutable {
        ++m_count;
        if (!m_script.empty()) {
            const int draw = m_script.front();
            m_script.pop_front();
            return draw;
        }
        return m_fallback >= 0 ? m_fallback : generator.Draw();
    });
}

ScriptedDraws::~ScriptedDraws()
{
    SetRandomDrawSource({});
}

void ScriptedDraws::Script(std::vector<int> draws, int thenAlways)
{
    m_script.assign(draws.begin(), draws.end());
    m_fallback = thenAlways;
}
