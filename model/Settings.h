#pragma once

#include <array>
#include <string>

#include "model/CObject.h"

class TreeNode;

// The user's choices in the learning and exam set-up, the stored unfinished test, the counts of
// the test in progress and the program's directory. The persisted members map one to one to the
// values of the settings file, under their member names (PersistedSettings lists them); the
// counts, m_wrong and m_strExeDir are never stored. Every mode reads and writes the members directly.
class Settings : public CObject
{
public:
    static constexpr int kTestCapacity = 1000;

    // Appends the persisted members to node, in the settings file's order; a null node is ignored.
    void SaveToNode(TreeNode* node) const;
    // Restores the persisted members found in node with their own type code; the others keep their
    // values. A null node is ignored.
    void LoadFromNode(const TreeNode* node);

    // A restored file may hold indices that do not fit the question bank now loaded. A stored test
    // that cannot be continued (count outside 0..1000, position outside 0..count, or an entry
    // outside the bank) is dropped, so only a new test is offered, and one whose every question has
    // been asked counts as finished; a learning position outside the bank restarts at question 0.
    // Run once the bank is loaded.
    void FitToBank(int bankSize);

    // Learning: all three answers (true) or only the right one; start at 0 (0) or at m_nULast (1).
    bool m_bUShowAll = true;
    int m_nUZacatek = 0;
    int m_nULast = 0;
    // Exam: the question on screen when an exam window last closed.
    int m_nZLast = 0;
    // Kind of test: 0 all in order, 1 all shuffled, 2 simulated test of m_nZPocetOtazek questions.
    int m_nZVsechny = 0;
    int m_nZPocetOtazek = 70;
    // 0 compose a new test, 1 continue the stored one; 0 check each answer at once, 1 at the end.
    int m_nZNovytest = 0;
    int m_nZKontrolaOdpovedi = 0;
    // The test list: bank indices in asking order, m_testCount of them used, m_testPos next.
    std::array<int, kTestCapacity> m_test{};
    int m_testCount = 0;
    int m_testPos = 0;
    // The test in progress, never stored: the wrongly answered questions and the counts.
    std::array<int, kTestCapacity> m_wrong{};
    int m_wrongCount = 0;
    int m_rightCount = 0;
    // No unfinished test exists, so only a new test can be started.
    bool m_bZOnlyNew = true;
    // Time limit: on (1) or off (0), its length in minutes, and the seconds of it already used.
    int m_nTimeTest = 0;
    int m_nTimeTotal = 60;
    int m_nTimeOver = 0;
    // The program's directory with a trailing backslash; every file name is built from it.
    std::string m_strExeDir = "c:\\";
};
