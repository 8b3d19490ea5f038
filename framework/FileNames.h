#pragma once
// File names as the program builds them: ANSI (Windows-1250) strings made of the program's
// directory and fixed names. They become file-system names only at the boundary, where
// the storage and the image readers open them.

#include "framework/base/CString.h"

#include <string>

// Separator of the directories in the program's file names.
#if defined(_WIN32)
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

// The full path of the program file.
CString GetModuleFileName();

// The name under which the file system knows an ANSI path.
std::string NativePath(const CString& ansiPath);
