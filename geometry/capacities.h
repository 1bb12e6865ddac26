// The largest point sets the hull programs take. Each program's point array
// has room for its capacity and its hull array for twice as many; the
// monotone chain's scratch buffer is as large as its program's point array,
// and the generator offers at most the largest of them.
#pragma once

#include <cstdint>

inline constexpr std::int32_t kHullBrutePointCapacity = 10000;
inline constexpr std::int32_t kHullChainPointCapacity = 20001;
inline constexpr std::int32_t kHullGrahamPointCapacity = 20001;
inline constexpr std::int32_t kHullJarvisPointCapacity = 20001;
inline constexpr std::int32_t kHullQuickPointCapacity = 20001;
inline constexpr std::int32_t kHullChanPointCapacity = 20001;
inline constexpr std::int32_t kHullKsPointCapacity = 20001;
inline constexpr std::int32_t kLargestPointCapacity = kHullChainPointCapacity;
