#include "generator.h"

#include "pending_file.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>

#include <unistd.h>

namespace gen {
namespace {

constexpr const char* kPromptN = "Unesi n: ";
constexpr const char* kPromptKol =
    "Unesite koliko puta zelite da vam se izvrsi algoritam: ";
const std::string kBadN =
    "Neispravan unos: ocekuje se ceo broj od 0 do " + std::to_string(kMaxPoints) + ".\n";
constexpr const char* kBadKol = "Neispravan unos: ocekuje se ceo broj veci od 0.\n";
// The same, naming the upper end as well: for the person at a terminal.
const std::string kBadKolRange =
    "Neispravan unos: ocekuje se ceo broj od 1 do " + std::to_string(INT_MAX) + ".\n";

// Whether the dialogue is read by a person: only then does it say what it
// wrote; piped, its output is just the prompts and the messages.
bool on_terminal(std::FILE* out) {
    return ::isatty(::fileno(out)) == 1;
}

// The dialogue only guides the person typing: a prompt that cannot be shown
// (standard output on /dev/full, say) changes nothing about the point file,
// and the exit status reports the file alone. A reader that has gone away
// raises SIGPIPE, which ends the run with nothing of the new file left.
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

int report_foreign(std::FILE* out, const std::string& path) {
    std::fprintf(out,
                 "Neuspleo kreiranje file-a %s: postojeci file pripada drugom korisniku "
                 "i ne moze da se zameni!\n",
                 path.c_str());
    return 1;
}

// "tacka", "tacke" or "tacaka", as the number before it asks.
const char* points_word(int n) {
    if (n % 10 == 1 && n % 100 != 11) return "tacka";
    if (n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14)) return "tacke";
    return "tacaka";
}

void report_written(std::FILE* out, const std::string& path, int n, int kol) {
    std::fprintf(out, "Napisano: %s (%d %s, R = %d)\n", path.c_str(), n, points_word(n), kol);
    if (n > kHullBrutePointCapacity) {
        std::fprintf(out, "hull_brute prima najvise %d tacaka: ovaj file citaju ostali programi za omotac.\n",
                     static_cast<int>(kHullBrutePointCapacity));
    }
    std::fflush(out);
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

// The file is created and n written before kol is asked for, so a point
// file that cannot be created is reported straight after n; the name it is
// to take is checked at that point too. A dialogue that ends early or a
// failed write leaves nothing of the new file: any earlier point file stays
// intact, and no reader ever sees a half-written one.
int generisikoordinate(int n, std::FILE* in, std::FILE* out,
                       const std::string& path, const SeedSource& seed) {
    PendingFile file(path);
    if (!file.is_open()) return report_cannot_create(out, path);
    switch (check_target(path)) {
    case TargetProblem::none:
        break;
    case TargetProblem::uncreatable:
        return report_cannot_create(out, path);
    case TargetProblem::foreign:
        return report_foreign(out, path);
    }
    std::FILE* const f = file.stream();
    if (std::fprintf(f, "%d ", n) < 0) return report_write_failed(out, path);

    const bool terminal = on_terminal(out);
    int kol = 0;
    for (;;) {
        prompt(out, kPromptKol);
        const Answer a = read_int(in);
        if (a.status == ReadStatus::end) return report_end_of_input(out, path);
        if (a.status == ReadStatus::ok && a.value >= 1) {
            kol = a.value;
            break;
        }
        std::fputs(terminal ? kBadKolRange.c_str() : kBadKol, out);
    }

    bool ok = std::fprintf(f, "%d\n", kol) >= 0;
    std::srand(seed());
    for (int i = 0; ok && i < n; ++i) {
        const int a = std::rand() % kCoordRange;
        const int b = std::rand() % kCoordRange;
        // The second draw is x.
        ok = std::fprintf(f, "%d %d\n", b, a) >= 0;
    }
    if (!ok) return report_write_failed(out, path);
    switch (file.commit()) {
    case CommitResult::ok:
        break;
    case CommitResult::write_failed:
        return report_write_failed(out, path);
    case CommitResult::name_failed:
        return report_cannot_create(out, path);
    }
    if (terminal) report_written(out, path, n, kol);
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
