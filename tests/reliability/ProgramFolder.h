#pragma once
// The program's folder for a reliability test: a fresh directory with a question bank and,
// when the test wants one, a settings file; both may be damaged on purpose.

#include "framework/base/CString.h"

#include "TempDir.h"

#include <string>

enum class Bank
{
    Demo,      // the bundled demo bank with its pictures and logo
    Small,     // five plain questions
    Hostile,   // a count beyond its children, duplicates, bad indices, answers and pictures
    HugeCount, // "count" 100000 and no question at all
    Empty,     // "count" 0
    NotATree,  // a file that is no tree file
};
const char* Name(Bank bank);

enum class StoredState
{
    None,            // no settings file
    PastEveryEnd,    // counts and positions far past the arrays, choices out of range
    OutsideTheBank,  // a test to continue whose entries are outside the bank
    AtItsEnd,        // a test to continue with no question left
    NearTheClockTop, // a test to continue whose used time is near the top of an int
    TimeIsUp,        // a test to continue whose time limit is used up
    AllNegative,     // every number the lowest int, every flag an odd byte
    WrongTypes,      // every value stored under another type code
};
const char* Name(StoredState state);

class ProgramFolder
{
public:
    ProgramFolder(Bank bank, StoredState state);

    // As the launcher names it, with its trailing separator.
    CString Dir() const { return m_dir.Path() + "/"; }
    std::string SettingsFile() const { return m_dir.File("navik.cfg"); }

private:
    TempDir m_dir;
};
