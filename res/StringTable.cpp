#include "res/ProgramResources.h"

#include "res/resource.h"

const char* LookUpProgramString(UINT id)
{
    switch (id) {
    case IDS_ABOUTBOX:
        return "&About Navik...";
    default:
        return nullptr;
    }
}
