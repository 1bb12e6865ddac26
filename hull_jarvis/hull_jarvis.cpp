#include "hull_jarvis.h"

#include "hull_monotone_chain.h"

namespace {

// PLACEHOLDER: the monotone chain's outline, until the algorithm is written.
template <class Steps>
std::int32_t build(const Point* points, Point* hull, std::int32_t n, Steps&) {
    return hull_monotone_chain(points, hull, n);
}

}  // namespace

std::int32_t hull_jarvis(const Point* points, Point* hull, std::int32_t n) {
    NoSteps steps;
    return build(points, hull, n, steps);
}

std::int32_t hull_jarvis_recorded(const Point* points, Point* hull, std::int32_t n, StepRecorder& steps) {
    return build(points, hull, n, steps);
}
