// Arbitrary bytes as the payload of a tree file, without its checksum byte; the harness frames them
// (FrameTreePayload) so that mutations reach the payload parser.

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> file = FrameTreePayload(data, size);
    LoadTreeFileAndCheck(file.data(), file.size());
    return 0;
}
