// The check the point-file fuzzer and its regression test run: any text is
// either refused with an InputError naming the file, or read whole into
// finite points.
#pragma once

#include "capacities.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Capacity the text is read against: the larger of the two programs'.
inline constexpr std::int32_t kCheckedPointCapacity = kLargestPointCapacity;

// Parses the bytes as the contents of the point file (kPointFileName) the way the driver
// reads it. Returns an empty string when the text was accepted or refused
// as it should be, else a description of the fault.
std::string check_point_file_bytes(const std::uint8_t* data, std::size_t size);
