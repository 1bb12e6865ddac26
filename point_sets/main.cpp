// point_sets: writes one of the benchmark's point families as the point
// file, so that the hull programs can be run on it by hand.
//   point_sets FAMILY n R [SEED]
#include "capacities.h"
#include "file_names.h"
#include "input_error.h"
#include "pending_file.h"
#include "point_families.h"
#include "signal_guard.h"
#include "standard_descriptors.h"

#include <charconv>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace {

static_assert(kCurveCapacity >= kLargestPointCapacity, "every family gives as many points as a program takes");

const std::string kUsageLine = "Upotreba: point_sets FAMILIJA n R [SEME]";

std::string usage() {
    const std::string file = kPointFileName;
    return kUsageLine + "\n" +
           "Pise u tekucem folderu datoteku " + file + " sa skupom tacaka jedne od\n"
           "familija na kojima se mere algoritmi (scripts/bench): prvi red \"n R\", zatim\n"
           "n redova \"x y\", koje citaju svi programi za omotac. Isto SEME daje iste\n"
           "tacke; bez njega se uzima " + std::to_string(kFixedSeed) + ", seme krivih iz merenja.\n"
           "\n"
           "FAMILIJA:\n"
           "  random        celi brojevi 0..299, isti skup kao iz generatora pokrenutog u\n"
           "                sekundi SEME (od 1970.); h je mali\n"
           "  square        realni brojevi pune preciznosti u kvadratu; h raste kao log n\n"
           "  disc          celi brojevi u krugu poluprecnika " + std::to_string(static_cast<int>(kDiscRadius)) +
           "; h raste kao n^(1/3)\n"
           "  circle        celi brojevi blizu kruznice; svaka tacka je teme omotaca: h = n\n"
           "  parabola      celi brojevi blizu parabole; svaka tacka je teme omotaca: h = n\n"
           "  decimal       brojevi sa tri decimale od 0 do 300\n"
           "  circle_float  realni brojevi pune preciznosti na kruznici; vecina tacaka su\n"
           "                temena omotaca\n"
           "n:    broj tacaka, od 0 do " + std::to_string(kLargestPointCapacity) + " (hull_brute prima najvise " +
           std::to_string(kHullBrutePointCapacity) + ")\n"
           "R:    koliko puta programi racunaju omotac, od 1 do " + std::to_string(INT_MAX) + "\n"
           "SEME: od 0 do " + std::to_string(UINT32_MAX) + "\n"
           "\n"
           "Ranija datoteka " + file + " ostaje kakva je bila dok nova nije cela\n"
           "napisana, i kad pisanje ne uspe ili se program prekine. Na kraju ispisuje sta\n"
           "je napisao.\n"
           "Izlazni status: 0 datoteka je napisana; 1 ne moze da se napise; 2 pogresni\n"
           "argumenti (poruka na standardnom izlazu za greske).\n";
}

// The whole argument as a decimal number from low to high, or nothing.
template <class Number>
std::optional<Number> number(std::string_view text, Number low, Number high) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < low || value > high) return std::nullopt;
    return value;
}

struct Request {
    Family family;
    std::int32_t n;
    std::int32_t repetitions;
    std::uint32_t seed;
};

// The request of the arguments; InputError naming the first wrong one.
Request read_arguments(int argc, char** argv) {
    if (argc < 4 || argc > 5) throw InputError(kUsageLine);
    Request request{Family::random_grid, 0, 0, kFixedSeed};
    if (!parse_family(argv[1], request.family)) {
        throw InputError("Greska: familija '" + printable(argv[1]) + "' ne postoji; postoje " + family_names() + ".");
    }
    const auto n = number<std::int32_t>(argv[2], 0, kLargestPointCapacity);
    if (!n) {
        throw InputError("Greska: broj tacaka n '" + printable(argv[2]) + "' nije ceo broj od 0 do " +
                         std::to_string(kLargestPointCapacity) + ".");
    }
    const auto repetitions = number<std::int32_t>(argv[3], 1, INT32_MAX);
    if (!repetitions) {
        throw InputError("Greska: broj ponavljanja R '" + printable(argv[3]) + "' nije ceo broj od 1 do " +
                         std::to_string(INT32_MAX) + ".");
    }
    request.n = *n;
    request.repetitions = *repetitions;
    if (argc == 5) {
        const auto seed = number<std::uint32_t>(argv[4], 0, UINT32_MAX);
        if (!seed) {
            throw InputError("Greska: seme '" + printable(argv[4]) + "' nije ceo broj od 0 do " +
                             std::to_string(UINT32_MAX) + ".");
        }
        request.seed = *seed;
    }
    return request;
}

// Writes the set through a pending file, which takes the point file's name
// only once it is whole. The exit status: 0, or 1 after a message.
int write_point_file(const Request& request) {
    const std::string path = kPointFileName;
    const auto fail = [&](const std::string& message) {
        std::fprintf(stderr, "Greska: %s\n", message.c_str());
        return 1;
    };
    const std::string cannot_write = "upis u datoteku " + path + " nije uspeo.";
    gen::PendingFile file(path);
    if (!file.is_open()) return fail(path + ": ne mogu da napravim datoteku u tekucem folderu.");
    switch (gen::check_target(path)) {
    case gen::TargetProblem::none:
        break;
    case gen::TargetProblem::uncreatable:
        return fail(path + ": ne moze da se zameni (to je folder, ili datoteka bez prava upisa).");
    case gen::TargetProblem::foreign:
        return fail(path + ": pripada drugom korisniku i ne moze da se zameni.");
    }
    const std::string text = point_file_text(request.family, request.n, request.repetitions, request.seed);
    if (std::fputs(text.c_str(), file.stream()) < 0) return fail(cannot_write);
    switch (file.commit()) {
    case gen::CommitResult::ok:
        break;
    case gen::CommitResult::write_failed:
        return fail(cannot_write);
    case gen::CommitResult::name_failed:
        return fail(path + ": nova datoteka ne moze da zameni raniju.");
    }
    std::printf("Napisano: %s (%s, n = %d, R = %d, seme %u)\n", kPointFileName,
                std::string(family_name(request.family)).c_str(), static_cast<int>(request.n),
                static_cast<int>(request.repetitions), static_cast<unsigned>(request.seed));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help") {
            const bool shown = std::fputs(usage().c_str(), stdout) >= 0 && std::fflush(stdout) == 0;
            if (!shown) std::fputs("Greska: upis na standardni izlaz nije uspeo.\n", stderr);
            return shown ? 0 : 1;
        }
    }
    // Before any file is opened: with a standard descriptor closed, the point
    // file would take its number.
    if (!open_standard_descriptors()) return 1;
    Request request{};
    try {
        request = read_arguments(argc, argv);
    } catch (const InputError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
    // A write past the file size limit (ulimit -f) fails and is reported.
    std::signal(SIGXFSZ, SIG_IGN);
    const SignalGuard guard(gen::remove_pending_at_signal);
    return write_point_file(request);
}
