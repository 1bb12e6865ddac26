// libFuzzer target: the point-file reader on arbitrary text; aborts when it
// accepts something it must not or refuses without naming the file.
#include "point_file_check.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string fault = check_point_file_bytes(data, size);
    if (!fault.empty()) {
        std::fprintf(stderr, "%s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
