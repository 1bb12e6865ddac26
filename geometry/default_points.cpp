#include "default_points.h"

#include <cstring>

namespace {

// The widest stores the processor has, chosen as the program starts (within
// this unit, where every compiler resolves the versions).
#if defined(HULL_VECTOR_SCAN) && defined(__x86_64__)
[[gnu::target_clones("avx512f", "avx2", "default")]]
#endif
void copy_default_blocks(std::byte* bytes, std::size_t count) {
    static constexpr Point kBlock[16] = {};
    const std::size_t blocks = count / 16;
    for (std::size_t b = 0; b < blocks; ++b) std::memcpy(bytes + b * sizeof kBlock, kBlock, sizeof kBlock);
    for (std::size_t i = blocks * 16; i < count; ++i) std::memcpy(bytes + i * sizeof(Point), &kBlock[0], sizeof(Point));
}

}  // namespace

void construct_default_points(std::byte* bytes, std::size_t count) { copy_default_blocks(bytes, count); }
