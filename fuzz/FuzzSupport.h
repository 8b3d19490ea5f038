#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What the fuzz targets share. The readers under test take a path, so inputs go through a scratch
// file: the code under test is then exactly what the program runs.

// The path of a file of this name in a per-process scratch folder (memory-backed when available,
// removed at exit).
std::string ScratchPath(const char* name);
// Writes the bytes to ScratchPath(name) and returns that path.
std::string WriteScratchFile(const char* name, const std::vector<std::uint8_t>& bytes);

// A complete tree file around a payload given without its checksum byte: the harness adds the
// checksum, the length and the compressed framing, so mutations reach the payload parser instead of
// dying in the inflater or at the checksum.
std::vector<std::uint8_t> FrameTreePayload(const std::uint8_t* data, std::size_t size);

// Writes input that starts like a gzip member as a whole file, anything else as a payload to frame:
// one corpus then exercises both the framing and what the payload means. Returns the path.
std::string WriteTreeScratchFile(const char* name, const std::uint8_t* data, std::size_t size);

// Aborts, naming the promise, when it is broken; libFuzzer then keeps the input as a crash.
void FuzzCheck(bool condition, const char* promise);

// Writes the bytes as a file, reads it with the tree reader and checks the reader's promises
// beyond "no crash, no out-of-bounds access": a refused file leaves the node as it was, and a
// tree that was read can be written again and reads back identically.
void LoadTreeFileAndCheck(const std::vector<std::uint8_t>& file);
