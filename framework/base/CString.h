#pragma once
// A byte string in the system's ANSI code page (Windows-1250), with the few operations
// the dialogs use: printf-style formatting, loading from the string table, search from
// the end and the left part. It is a std::string, so the Qt-free model's strings pass
// in and out without conversion; conversion to UTF-16 happens only at the Qt boundary.

#include "framework/base/WinTypes.h"

#include <string>

class CString : public std::string
{
public:
    using std::string::string;
    CString() = default;
    CString(const std::string& s) : std::string(s) {}
    CString(std::string&& s) : std::string(std::move(s)) {}

    int GetLength() const { return int(size()); }
    bool IsEmpty() const { return empty(); }
    operator const char*() const { return c_str(); }

    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    int ReverseFind(char ch) const;
    CString Left(int count) const;
    // Loads the entry of the string table; false (and empty) when there is none.
    BOOL LoadString(UINT id);
};
