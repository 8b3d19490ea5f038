#pragma once
// The framework's free functions in one include: the application object's accessors,
// message boxes, the report of an uncaught file error, the shell and the program's path.

#include "framework/CWinApp.h"
#include "framework/FileErrorReport.h"
#include "framework/FileNames.h"
#include "framework/MessageBox.h"
#include "framework/Shell.h"
