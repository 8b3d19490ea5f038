// Arbitrary bytes as a whole tree file: gzip header, magic, deflate data, trailer.

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    LoadTreeFileAndCheck({data, data + size});
    return 0;
}
