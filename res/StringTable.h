#pragma once
// The program's string table.

#include "app/framework/WinTypes.h"

// The text of string resource id, or none when the table has no such entry.
const char* LookUpString(UINT id);
