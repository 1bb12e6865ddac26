// The scans of PointColumns in 256-bit lanes: eight floats or four
// doubles. This unit alone is compiled for AVX (without fused
// multiply-add); line_batch.cpp calls it only where the processor has AVX.
// The brute force on 1000 points took 0.53 (circle) to 0.74 (random) of
// its time in the 128-bit lanes of SSE2 (least of 3 interleaved runs of
// hull_bench, AMD EPYC).
#include "column_scan.h"

std::int32_t first_right_avx(PointColumns::Data& data, std::int32_t i, std::int32_t j, std::int32_t* stops) {
    return first_right(data, i, j, stops);
}
