// Files that exist only in the process's memory (memfd), for the point files
// and the log the benchmarks read and write by name: nothing reaches the
// disk, and nothing is left behind however the process ends.
#pragma once

#include <stdexcept>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

// A new memory file holding text; its descriptor stays open until the
// process ends. std::runtime_error if it cannot be made.
inline int memory_file(const std::string& text) {
    const int fd = memfd_create("hull_bench", MFD_CLOEXEC);
    std::size_t written = 0;
    while (fd >= 0 && written < text.size()) {
        const ssize_t done = ::write(fd, text.data() + written, text.size() - written);
        if (done <= 0) throw std::runtime_error("ne mogu da napisem datoteku u memoriji");
        written += static_cast<std::size_t>(done);
    }
    if (fd < 0) throw std::runtime_error("ne mogu da napravim datoteku u memoriji (memfd_create)");
    return fd;
}

// The name under which the process opens the memory file anew.
inline std::string memory_file_name(int fd) {
    return "/proc/self/fd/" + std::to_string(fd);
}
