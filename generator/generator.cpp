#include "generator.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>

#include <fcntl.h>
#include <unistd.h>

namespace gen {
namespace {

constexpr const char* kPromptN = "Unesi n: ";
constexpr const char* kPromptKol =
    "Unesite koliko puta zelite da vam se izvrsi algoritam: ";
constexpr const char* kBadN =
    "Neispravan unos: ocekuje se ceo broj od 0 do 20001.\n";
constexpr const char* kBadKol = "Neispravan unos: ocekuje se ceo broj veci od 0.\n";

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

}  // namespace

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

// The points are written to "<path>.tmp" and renamed over `path` only once
// everything has been written and closed. A dialogue that ends early or a
// failed write therefore removes just the temporary file and leaves any
// earlier point file intact, and no reader ever sees a half-written one.
//
// The visible order stays as it always was: the file is created and n is
// written before kol is asked for, so a file that cannot be created is
// reported straight after n. For that, both the temporary file and the
// final path are checked up front.
int generisikoordinate(int n, std::FILE* in, std::FILE* out,
                       const std::string& path, const SeedSource& seed) {
    const std::string tmp = path + ".tmp";
    std::FILE* f = std::fopen(tmp.c_str(), "w");
    if (f == nullptr) return report_cannot_create(out, path);

    auto abandon = [&] {
        std::fclose(f);
        std::remove(tmp.c_str());
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
    if (std::fclose(f) != 0 || std::rename(tmp.c_str(), path.c_str()) != 0) {
        std::remove(tmp.c_str());
        return report_write_failed(out, path);
    }
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
        std::fputs(kBadN, out);
    }
    return generisikoordinate(n, in, out, path, seed);
}

}  // namespace gen
