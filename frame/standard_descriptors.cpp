#include "standard_descriptors.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

bool open_standard_descriptors() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        // open takes the lowest free number, which is fd itself since every
        // lower one is open by now; dup2 makes sure of it all the same.
        const int null = ::open("/dev/null", O_RDWR);
        if (null < 0) return false;
        if (null != fd) {
            const bool placed = ::dup2(null, fd) == fd;
            ::close(null);
            if (!placed) return false;
        }
    }
    return true;
}
