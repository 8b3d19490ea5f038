#include "res/ProgramResources.h"

#include "res/resource.h"

const ResourceTable& ProgramResources()
{
    static const ResourceTable table{FindProgramDialogTemplate, LookUpProgramString, FindProgramCursorArt,
                                     FindProgramIconArt, IDR_MAINFRAME};
    return table;
}
