#include "res/ProgramResources.h"

#include "res/resource.h"

const char* LookUpProgramString(UINT id)
{
    switch (id) {
    case IDS_ABOUTBOX:
        return "&About Navik...";
    case IDS_TOO_MANY_QUESTIONS:
        return "Je vybráno více otazek k testu než jich je v databazi.";
    case IDS_BANK_NOT_READABLE:
        // Formatted with the file's path.
        return "Soubor „%s“ není platná databáze otázek.";
    default:
        return nullptr;
    }
}
