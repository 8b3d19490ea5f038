#include "framework/base/Resources.h"

namespace {

ResourceTable& Registered()
{
    static ResourceTable table;
    return table;
}

} // namespace

void RegisterResources(const ResourceTable& table)
{
    Registered() = table;
}

const DialogTemplate* FindDialogTemplate(UINT id)
{
    return Registered().findDialogTemplate ? Registered().findDialogTemplate(id) : nullptr;
}

const char* LookUpString(UINT id)
{
    return Registered().lookUpString ? Registered().lookUpString(id) : nullptr;
}

const CursorArt* FindCursorArt(UINT id)
{
    return Registered().findCursorArt ? Registered().findCursorArt(id) : nullptr;
}

std::span<const IconShape> FindIconArt(UINT id)
{
    return Registered().findIconArt ? Registered().findIconArt(id) : std::span<const IconShape>();
}

UINT ApplicationIconId()
{
    return Registered().applicationIcon;
}
