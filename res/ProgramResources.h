#pragma once
// Navik's resources, as the table the framework looks them up in.

#include "framework/base/Resources.h"

const DialogTemplate* FindProgramDialogTemplate(UINT id);
const char* LookUpProgramString(UINT id);
const CursorArt* FindProgramCursorArt(UINT id);
std::span<const IconShape> FindProgramIconArt(UINT id);

// The table of all of them, to register before the first window opens.
const ResourceTable& ProgramResources();
