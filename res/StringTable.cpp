#include "res/StringTable.h"

#include "res/resource.h"

const char* LookUpString(UINT id)
{
    switch (id) {
    case IDS_ABOUTBOX:
        return "&About Navik...";
    default:
        return nullptr;
    }
}
