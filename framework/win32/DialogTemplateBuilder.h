#pragma once
// A dialog template of the resources as the in-memory template the system's dialog manager
// takes (DLGTEMPLATE with its items, each aligned as a resource file holds them), texts in
// UTF-16. The system then lays the dialog out in dialog units of the template's font.
// Every control is a child; the up-down control is the common controls' class, and an icon
// static gets no text, since its icon comes from the artwork, not from a resource.

#include "framework/base/DialogTemplate.h"

#include <vector>

std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialogTemplate);
