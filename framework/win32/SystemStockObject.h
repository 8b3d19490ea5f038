#pragma once
// The system's stock objects, reached from a source of their own: every other source of
// the back-end sees the framework's GetStockObject under that name (framework/base/WinTypes.h).

namespace SystemStockObject {

void* Get(int stockObject);

} // namespace SystemStockObject
