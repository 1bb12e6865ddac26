#include "generator.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gen {
namespace {

constexpr const char* kPromptN = "Unesi n: ";
constexpr const char* kPromptKol =
    "Unesite koliko puta zelite da vam se izvrsi algoritam: ";
const std::string kBadN =
    "Neispravan unos: ocekuje se ceo broj od 0 do " + std::to_string(kMaxPoints) + ".\n";
constexpr const char* kBadKol = "Neispravan unos: ocekuje se ceo broj veci od 0.\n";

// The dialogue only guides the person typing: a prompt that cannot be shown
// (standard output on /dev/full, say) changes nothing about the point file,
// and the exit status reports the file alone. A reader that has gone away
// raises SIGPIPE, whose handler removes the temporary file.
void prompt(std::FILE* out, const char* text) {
    std::fputs(text, out);
    std::fflush(out);
}

// The prompt is still on the line when input ends, hence the leading newline.
int report_end_of_input(std::FILE* out, const std::string& path) {
    std::fprintf(out, "\nKraj ulaza: %s nije napravljen.\n", path.c_str());
    return 1;
}

int report_cannot_create(std::FILE* out, const std::string& path) {
    std::fprintf(out, "Neuspleo kreiranje file-a %s!\n", path.c_str());
    return 1;
}

int report_write_failed(std::FILE* out, const std::string& path) {
    std::fprintf(out, "Neuspleo upis u file %s!\n", path.c_str());
    return 1;
}

// Whether `path` could be opened for writing the way fopen(path, "w") would,
// but without creating or truncating it. A missing file is fine: the
// temporary file next to it has already shown that the directory is
// writable. O_NONBLOCK keeps a FIFO without a reader from hanging us.
bool target_writable(const std::string& path) {
    int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    return errno == ENOENT;
}

// The signals after which the temporary file is removed.
constexpr int kCleanupSignals[] = {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGPIPE};

// The temporary file being written, kept where a signal handler can reach it
// without allocating: its name, and whether it exists and is ours.
char temp_path[PATH_MAX];
volatile std::sig_atomic_t temp_exists = 0;

sigset_t cleanup_signal_set() {
    sigset_t set;
    sigemptyset(&set);
    for (int sig : kCleanupSignals) sigaddset(&set, sig);
    return set;
}

// Holds the cleanup signals back while temp_path and temp_exists change
// together, so a handler never sees a name half-written or a file that has
// already been renamed to the user's file name.
class CleanupSignalsBlocked {
public:
    CleanupSignalsBlocked() {
        const sigset_t set = cleanup_signal_set();
        sigprocmask(SIG_BLOCK, &set, &saved_);
    }
    ~CleanupSignalsBlocked() { sigprocmask(SIG_SETMASK, &saved_, nullptr); }
    CleanupSignalsBlocked(const CleanupSignalsBlocked&) = delete;
    CleanupSignalsBlocked& operator=(const CleanupSignalsBlocked&) = delete;

private:
    sigset_t saved_;
};

extern "C" void remove_temporary_and_die(int sig) {
    if (temp_exists) ::unlink(temp_path);
    ::signal(sig, SIG_DFL);
    ::raise(sig);  // delivered, with the default action, once the handler returns
}

mode_t current_umask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Creates ".<name>.XXXXXX" in the directory of `path`. mkstemp opens with
// O_CREAT | O_EXCL, so it never opens an existing file or follows a link,
// and concurrent runs each get a file of their own. The file gets the
// permissions a newly created file would get (0666 less the umask), not
// mkstemp's 0600; should the file system refuse them, the points are still
// written.
std::FILE* create_temporary(const std::string& path) {
    const std::filesystem::path target(path);
    std::string leaf = ".";
    leaf += target.filename().string();
    leaf += ".XXXXXX";
    const std::string name = (target.parent_path() / leaf).string();
    if (name.size() >= sizeof temp_path) return nullptr;
    int fd;
    {
        CleanupSignalsBlocked blocked;
        std::memcpy(temp_path, name.c_str(), name.size() + 1);
        fd = ::mkstemp(temp_path);
        if (fd < 0) return nullptr;
        temp_exists = 1;
    }
    (void)::fchmod(fd, 0666 & ~current_umask());
    std::FILE* f = ::fdopen(fd, "w");
    if (f == nullptr) {
        ::close(fd);
        CleanupSignalsBlocked blocked;
        ::unlink(temp_path);
        temp_exists = 0;
    }
    return f;
}

void remove_temporary() {
    CleanupSignalsBlocked blocked;
    ::unlink(temp_path);
    temp_exists = 0;
}

// Puts the finished temporary file in place of `path` in one atomic step.
bool commit_temporary(const std::string& path) {
    CleanupSignalsBlocked blocked;
    const bool ok = std::rename(temp_path, path.c_str()) == 0;
    if (!ok) ::unlink(temp_path);
    temp_exists = 0;
    return ok;
}

}  // namespace

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

void remove_temporary_on_signal() {
    struct sigaction action {};
    action.sa_handler = remove_temporary_and_die;
    action.sa_mask = cleanup_signal_set();
    for (int sig : kCleanupSignals) {
        struct sigaction previous {};
        if (sigaction(sig, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) {
            continue;
        }
        sigaction(sig, &action, nullptr);
    }
}

Answer read_int(std::FILE* in) {
    int c;
    do {
        c = std::getc(in);
    } while (c != EOF && std::isspace(c));
    if (c == EOF) return {ReadStatus::end, 0};

    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = std::getc(in);
    }
    // Accumulate the magnitude; once it exceeds what any int can hold, the
    // token is marked bad but still read to its end.
    long long magnitude = 0;
    bool digits = false;
    bool bad = false;
    for (; c != EOF && !std::isspace(c); c = std::getc(in)) {
        if (!std::isdigit(c)) {
            bad = true;
        } else if (!bad) {
            digits = true;
            magnitude = magnitude * 10 + (c - '0');
            if (magnitude > -static_cast<long long>(INT_MIN)) bad = true;
        }
    }
    if (!negative && magnitude > INT_MAX) bad = true;
    if (bad || !digits) {
        while (c != EOF && c != '\n') c = std::getc(in);
        return {ReadStatus::invalid, 0};
    }
    return {ReadStatus::ok, static_cast<int>(negative ? -magnitude : magnitude)};
}

unsigned seed_from_clock() {
    return static_cast<unsigned>(std::time(nullptr));
}

// The file is created and n written before kol is asked for, so a point
// file that cannot be created is reported straight after n. Both the
// temporary file and the final path are checked at that point. A dialogue
// that ends early or a failed write removes just the temporary file: any
// earlier point file stays intact, and no reader ever sees a half-written
// one.
int generisikoordinate(int n, std::FILE* in, std::FILE* out,
                       const std::string& path, const SeedSource& seed) {
    std::FILE* f = create_temporary(path);
    if (f == nullptr) return report_cannot_create(out, path);

    auto abandon = [&] {
        std::fclose(f);
        remove_temporary();
    };
    if (!target_writable(path)) {
        abandon();
        return report_cannot_create(out, path);
    }
    if (std::fprintf(f, "%d ", n) < 0) {
        abandon();
        return report_write_failed(out, path);
    }

    int kol = 0;
    for (;;) {
        prompt(out, kPromptKol);
        const Answer a = read_int(in);
        if (a.status == ReadStatus::end) {
            abandon();
            return report_end_of_input(out, path);
        }
        if (a.status == ReadStatus::ok && a.value >= 1) {
            kol = a.value;
            break;
        }
        std::fputs(kBadKol, out);
    }

    bool ok = std::fprintf(f, "%d\n", kol) >= 0;
    std::srand(seed());
    for (int i = 0; ok && i < n; ++i) {
        const int a = std::rand() % kCoordRange;
        const int b = std::rand() % kCoordRange;
        // The second draw is x.
        ok = std::fprintf(f, "%d %d\n", b, a) >= 0;
    }
    if (!ok) {
        abandon();
        return report_write_failed(out, path);
    }
    // fclose flushes the buffered tail, which is where a full disk usually
    // shows up.
    if (std::fclose(f) != 0) {
        remove_temporary();
        return report_write_failed(out, path);
    }
    if (!commit_temporary(path)) return report_write_failed(out, path);
    return 0;
}

int run_generator(std::FILE* in, std::FILE* out, const std::string& path,
                  const SeedSource& seed) {
    int n = 0;
    for (;;) {
        prompt(out, kPromptN);
        const Answer a = read_int(in);
        if (a.status == ReadStatus::end) return report_end_of_input(out, path);
        if (a.status == ReadStatus::ok && a.value >= 0 && a.value <= kMaxPoints) {
            n = a.value;
            break;
        }
        std::fputs(kBadN.c_str(), out);
    }
    return generisikoordinate(n, in, out, path, seed);
}

}  // namespace gen
