// The scans with 256-bit vectors, exact and filtered. This unit alone is compiled for AVX
// (without fused multiply-add); its functions run only where the processor
// reports AVX.
#include "grid_scan.h"
#include "turn_batch_avx.h"

bool scan_grid_float_avx(const Point* points, const float* xs, const float* ys, std::int32_t n, std::int32_t padded,
                         std::int32_t* next_vertex) {
    return scan_grid_pairs<TurnBatch<AvxFloats>>(points, xs, ys, n, padded, next_vertex);
}

bool scan_grid_double_avx(const Point* points, const double* xs, const double* ys, std::int32_t n,
                          std::int32_t padded, std::int32_t* next_vertex) {
    return scan_grid_pairs<TurnBatch<AvxDoubles>>(points, xs, ys, n, padded, next_vertex);
}

bool scan_filtered_avx(const Point* points, const double* xs, const double* ys, std::int32_t n, std::int32_t padded,
                       double bound, std::int32_t* next_vertex) {
    return scan_filtered_pairs<FilteredTurnBatch<AvxDoubles>>(points, xs, ys, n, padded, bound, next_vertex);
}
