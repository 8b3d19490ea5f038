#pragma once
// The faces the dialogs are laid out with come with the program, in fonts/ beside it, and are
// known to this process alone: the program changes nothing in the system's font set-up.

#include <QString>

// Registers every TrueType file in folder with Qt's font database and maps the dialogs' faces
// that Linux lacks onto them: "MS Sans Serif" onto Tahoma (Wine's MS Sans Serif is bitmap-only;
// Tahoma, its successor as the dialog face, has the widths the layouts were made for) and
// "Arial" onto the metric-compatible Liberation Sans. A face the system has keeps the system's
// own. Returns how many files were registered. Needs the application object.
int RegisterApplicationFonts(const QString& folder);

// The fonts/ folder beside the program file.
QString ProgramFontFolder();
