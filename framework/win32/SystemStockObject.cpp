// No framework header here: GetStockObject is the system's in this file.
#include "framework/win32/SystemStockObject.h"

#include <windows.h>

namespace SystemStockObject {

void* Get(int stockObject)
{
    return GetStockObject(stockObject);
}

} // namespace SystemStockObject
