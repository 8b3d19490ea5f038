#pragma once

#include <cstddef>
#include <cstdint>

// Writes the bytes as a file, reads it with the tree reader and checks the reader's promises
// beyond "no crash, no out-of-bounds access": a refused file leaves the node as it was, and a
// tree that was read can be written again and reads back identically. Aborts on a broken promise.
//
// The reader takes a path, so inputs go through a scratch file: the code under test is then
// exactly what the program runs, the gzip layer's header seeking included.
void LoadTreeFileAndCheck(const std::uint8_t* data, std::size_t size);
