// Arbitrary bytes as the payload of a tree file, without its checksum byte; the harness frames them
// (FrameTreePayload) so that mutations reach the payload parser.

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    LoadTreeFileAndCheck(FrameTreePayload(data, size));
    return 0;
}
