#pragma once

#include <cstddef>

// Memory for many entries made at once, as a database read makes them.
// Taken from the system 4 KB at a time, the pages of a large database cost
// a first read as long as reading its file: a large block is asked for in
// huge pages, where the system gives them, one fault for each 2 MB. A small
// block is ordinary heap memory.
namespace BulkMemory {

// The size from which a block is mapped apart: one huge page.
constexpr std::size_t LargeBlock = std::size_t{2} << 20;

// At least `bytes`, aligned for any entry; throws std::bad_alloc.
void* Allocate(std::size_t bytes);
// Gives back what Allocate returned for the same size.
void Free(void* memory, std::size_t bytes) noexcept;

}  // namespace BulkMemory
