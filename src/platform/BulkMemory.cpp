#include "platform/BulkMemory.h"

#include <cstdint>
#include <new>
#include <sys/mman.h>
#include <unistd.h>

namespace BulkMemory {

namespace {

std::size_t RoundedUp(std::size_t bytes, std::size_t unit)
{
    return (bytes + unit - 1) / unit * unit;
}

std::size_t PageSize()
{
    const long size = ::sysconf(_SC_PAGESIZE);
    return size > 0 ? static_cast<std::size_t>(size) : 4096;
}

// The mapping actually held for a block of `bytes`: whole pages.
std::size_t MappedSize(std::size_t bytes)
{
    return RoundedUp(bytes, PageSize());
}

}  // namespace

void* Allocate(std::size_t bytes)
{
    if (bytes < LargeBlock) return ::operator new(bytes == 0 ? 1 : bytes);
    const std::size_t size = MappedSize(bytes);
    // Mapped one huge page larger, then cut to start on a huge-page boundary
    // and end at the last page asked for: a block's end takes small pages
    // rather than a huge page mostly unused.
    const std::size_t spare = LargeBlock;
    void* mapped = ::mmap(nullptr, size + spare, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
    const std::size_t lead = (LargeBlock - reinterpret_cast<std::uintptr_t>(mapped) % LargeBlock) % LargeBlock;
    char* block = static_cast<char*>(mapped) + lead;
    if (lead > 0) ::munmap(mapped, lead);
    if (spare > lead) ::munmap(block + size, spare - lead);
    // A hint only: a system without huge pages faults in small ones. The
    // pages are not taken ahead: a block is seldom filled to its end, and
    // taking them holds the process's map, which stalls any other thread
    // that maps memory meanwhile.
    static_cast<void>(::madvise(block, size, MADV_HUGEPAGE));
    return block;
}

void Free(void* memory, std::size_t bytes) noexcept
{
    if (memory == nullptr) return;
    if (bytes < LargeBlock) {
        ::operator delete(memory);
        return;
    }
    ::munmap(memory, MappedSize(bytes));
}

}  // namespace BulkMemory
