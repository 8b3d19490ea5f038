#pragma once
// The framework's free functions in one include: the application object's accessors,
// message boxes, the report of an uncaught file error, the shell and the program's path.

#include "CWinApp.h"
#include "FileErrorReport.h"
#include "FileNames.h"
#include "MessageBox.h"
#include "Shell.h"
