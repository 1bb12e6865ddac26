// Entry point of the point-set generator: the dialogue runs on the terminal
// and the points go to generator.test in the current directory.
#include "capacities.h"
#include "file_names.h"
#include "generator.h"
#include "input_error.h"
#include "pending_file.h"
#include "signal_guard.h"
#include "standard_descriptors.h"

#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

const std::string kUsageLine = "Upotreba: generator [--help]";

std::string usage() {
    const std::string file = kPointFileName;
    const std::string brute = std::to_string(kHullBrutePointCapacity);
    const std::string largest = std::to_string(gen::kMaxPoints);
    const std::string coord = std::to_string(gen::kCoordRange - 1);
    return kUsageLine + "\n" +
           "Pita za broj tacaka n (od 0 do " + largest + ") i broj ponavljanja R (od 1 do " +
           std::to_string(INT_MAX) + "),\n"
           "pa u tekucem folderu pise datoteku " + file + ": prvi red \"n R\", zatim n\n"
           "redova \"x y\" sa slucajnim celim koordinatama od 0 do " + coord + ". Nju citaju\n"
           "programi za omotac: hull_brute najvise " + brute + " tacaka, ostali najvise " + largest + ".\n"
           "Pitanja i poruke idu na standardni izlaz, odgovori se citaju sa standardnog\n"
           "ulaza; na pogresan odgovor pitanje se ponavlja. Ranija datoteka " + file + "\n"
           "ostaje kakva je bila dok nova nije cela napisana, i kad pisanje ne uspe.\n"
           "Kad je standardni izlaz terminal, na kraju kaze sta je napisao.\n"
           "Izlazni status: 0 kad je datoteka napisana, 1 kad se ulaz zavrsi pre odgovora\n"
           "ili datoteka ne moze da se napise, 2 za svaki drugi argument.\n";
}

}  // namespace

int main(int argc, char** argv) {
    // Arguments first: --help reads nothing and touches no file.
    if (argc > 1) {
        for (int i = 1; i < argc; ++i) {
            if (std::strcmp(argv[i], "--help") != 0 && std::strcmp(argv[i], "-h") != 0) {
                std::fprintf(stderr, "Greska: generator ne prima argument '%s'.\n%s\n",
                             printable(argv[i]).c_str(), kUsageLine.c_str());
                return 2;
            }
        }
        const std::string text = usage();
        const bool shown = std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0;
        return shown ? 0 : 1;
    }
    // Before any file is opened: with a standard descriptor closed, the point
    // file would take its number and the dialogue would be written into it.
    if (!open_standard_descriptors()) return 1;
    // A write past the file size limit (ulimit -f) fails and is reported.
    std::signal(SIGXFSZ, SIG_IGN);
    const SignalGuard guard(gen::remove_pending_at_signal);
    return gen::run_generator(stdin, stdout, kPointFileName);
}
