#include "contracts.h"

#include <cstdio>
#include <cstdlib>

void contract_failed(const char* kind, const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: %s violated: %s\n", file, line, kind, condition);
    std::abort();
}
