#include "unnamed_file.h"

#include "signal_guard.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <random>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A candidate for a hidden name: the template with its X's drawn at random.
// It needs to be unlikely, not secret: linkat never opens or replaces an
// existing name, and a taken one is simply drawn again.
std::string draw_hidden_name(const std::string& path, std::minstd_rand& random) {
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = hidden_name_template(path);
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    for (auto it = name.end() - 6; it != name.end(); ++it) *it = kLetters[pick(random)];
    return name;
}

}  // namespace

std::string descriptor_path(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

std::string folder_of(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

int open_unnamed_file(const std::string& folder, mode_t mode) {
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (fd < 0) return -1;
    if (::access(descriptor_path(fd).c_str(), F_OK) != 0) {
        ::close(fd);
        errno = EOPNOTSUPP;
        return -1;
    }
    return fd;
}

bool lacks_unnamed_files(int error) {
    return error == EISDIR || error == EOPNOTSUPP || error == EINVAL;
}

int link_unnamed_file(int fd, const std::string& path) {
    return ::linkat(AT_FDCWD, descriptor_path(fd).c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW);
}

int replace_with_unnamed_file(int fd, const std::string& path) {
    const SignalsHeld held;
    if (link_unnamed_file(fd, path) == 0) return 0;
    if (errno != EEXIST) return -1;
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    std::minstd_rand random(static_cast<unsigned>(now.tv_nsec) ^ static_cast<unsigned>(::getpid()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string hidden = draw_hidden_name(path, random);
        if (link_unnamed_file(fd, hidden) != 0) {
            if (errno == EEXIST) continue;
            return -1;
        }
        if (::rename(hidden.c_str(), path.c_str()) == 0) return 0;
        const int error = errno;
        ::unlink(hidden.c_str());
        errno = error;
        return -1;
    }
    errno = EEXIST;
    return -1;
}

std::string hidden_name_template(const std::string& path) {
    const std::filesystem::path target(path);
    std::string leaf = ".";
    leaf += target.filename().string();
    leaf += ".XXXXXX";
    return (target.parent_path() / leaf).string();
}

void remove_abandoned_hidden_files(const std::string& path) {
    const std::string pattern = std::filesystem::path(hidden_name_template(path)).filename().string();
    const std::string_view stem(pattern.data(), pattern.size() - 6);
    const std::string folder = folder_of(path);
    DIR* const listing = ::opendir(folder.c_str());
    if (listing == nullptr) return;
    const int at = ::dirfd(listing);
    const auto ours = [&](std::string_view name) {
        return name.size() == pattern.size() && name.starts_with(stem) &&
               std::all_of(name.end() - 6, name.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
    };
    while (const dirent* entry = ::readdir(listing)) {
        if (!ours(entry->d_name)) continue;
        const int fd = ::openat(at, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat opened {};
        struct stat named {};
        const bool abandoned = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_uid == ::geteuid() &&
                               opened.st_mtime <= std::time(nullptr) - kAbandonedAge &&
                               ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        // Still the file looked at under that name: not renamed meanwhile.
        if (abandoned && ::fstatat(at, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            named.st_dev == opened.st_dev && named.st_ino == opened.st_ino) {
            ::unlinkat(at, entry->d_name, 0);
        }
        ::close(fd);
    }
    ::closedir(listing);
}
