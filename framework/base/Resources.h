#pragma once
// The program's resources as the framework finds them by id: dialog templates, the string
// table, the artwork of the cursors and icons, and which icon stands for the program. The
// framework knows no program of its own; the program registers its table once, before its
// first window, and every look-up goes through it. Until then every look-up finds nothing.

#include "framework/base/CursorArt.h"
#include "framework/base/DialogTemplate.h"
#include "framework/base/IconArt.h"
#include "framework/base/WinTypes.h"

#include <span>

struct ResourceTable
{
    const DialogTemplate* (*findDialogTemplate)(UINT id) = nullptr;
    const char* (*lookUpString)(UINT id) = nullptr;
    const CursorArt* (*findCursorArt)(UINT id) = nullptr;
    std::span<const IconShape> (*findIconArt)(UINT id) = nullptr;
    // The icon of the program's windows and of the program itself.
    UINT applicationIcon = 0;
};

void RegisterResources(const ResourceTable& table);

// The template of that id, or none.
const DialogTemplate* FindDialogTemplate(UINT id);
// The text of string resource id, or none.
const char* LookUpString(UINT id);
// The image of cursor resource id, or none.
const CursorArt* FindCursorArt(UINT id);
// The shapes of icon resource id, drawn in order; empty when there is no such icon.
std::span<const IconShape> FindIconArt(UINT id);
UINT ApplicationIconId();
