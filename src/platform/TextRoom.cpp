#include "platform/TextRoom.h"

#include <sys/mman.h>

#include <cstdint>

namespace netloom {

namespace {

constexpr uintptr_t kLargePage = uintptr_t{2} << 20;
// Below this a block is mostly reused memory of the process's own heap, and at most a few
// large pages would fit in it.
constexpr size_t kLargeText = size_t{8} << 20;

}  // namespace

void MakeTextRoom(std::string& text, size_t room) {
    text.clear();
    text.reserve(room);
#ifdef MADV_HUGEPAGE
    if (text.capacity() < kLargeText) return;
    // Only the large pages that lie wholly inside the block: the advice applies to whole pages
    // of the mapping, and the memory around the block is not the text's.
    const uintptr_t start = reinterpret_cast<uintptr_t>(text.data());
    const uintptr_t first = (start + kLargePage - 1) & ~(kLargePage - 1);
    const uintptr_t end = (start + text.capacity()) & ~(kLargePage - 1);
    // A hint: where the system has no large pages, or refuses, the text is made all the same.
    if (end > first) (void)::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#endif
}

}  // namespace netloom
