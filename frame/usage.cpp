#include "usage.h"

#include "file_names.h"
#include "timing_log.h"

#include <cstdio>
#include <string>
#include <string_view>

bool asks_for_usage(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help") return true;
    }
    return false;
}

namespace {

// The text broken between words into lines of at most 79 columns, each
// with its newline. A bound such as O(n log n) stays on one line.
std::string wrapped(std::string_view text) {
    constexpr std::size_t kWidth = 79;
    std::string lines;
    std::size_t line_length = 0;
    while (!text.empty()) {
        const std::size_t blank = text.find(' ', text.starts_with("O(") ? text.find(')') : 0);
        const std::string_view word = text.substr(0, blank);
        text = blank == std::string_view::npos ? std::string_view{} : text.substr(blank + 1);
        if (line_length > 0 && line_length + 1 + word.size() > kWidth) {
            lines += '\n';
            line_length = 0;
        } else if (line_length > 0) {
            lines += ' ';
            ++line_length;
        }
        lines += word;
        line_length += word.size();
    }
    return lines + '\n';
}

}  // namespace

int print_usage(const HullProgram& program, std::int32_t point_capacity) {
    // An example of the program's own log line, as it would append it.
    std::string example = format_log_line(format_label(program.label_format, 1000), 2345);
    example.pop_back();
    const std::string purpose = wrapped(std::string("Racuna konveksni omotac tacaka iz datoteke ") + kPointFileName +
                                        " algoritmom " + program.method + ", i meri vreme racunanja.");
    std::printf(
        "Upotreba: %s [-h | --help] [opcije prozora]\n"
        "\n"
        "%s"
        "\n"
        "Cita:   %s u tekucem direktorijumu: n i R, pa n parova x y\n"
        "        (najvise %d tacaka); omotac se racuna R puta.\n"
        "Pise:   jedan red na kraj datoteke %s, na primer\n"
        "          %s\n"
        "        sa vremenom citanja, sortiranja i svih R racunanja, u celim\n"
        "        milisekundama (nanize).\n"
        "Prikaz: tacke i omotac u prozoru \"Geometrija - prikaz zadatka\"; program\n"
        "        se zavrsava kada se prozor zatvori. Kada je izlaz terminal, ispisuje\n"
        "        dopisani red, isto vreme u mikrosekundama podeljeno na citanje sa\n"
        "        sortiranjem i R racunanja omotaca, vreme jednog racunanja, broj\n"
        "        tacaka kroz koje prolazi obris omotaca i broj njegovih temena\n"
        "        (uglova); kada je ulaz terminal, a program nije pokrenut u\n"
        "        pozadini (&), posle prozora ceka Enter.\n"
        "\n"
        "Argumenti:\n"
        "  -h, --help   ova poruka; nista se ne cita, ne pise i ne otvara\n"
        "  opcije prozora (biblioteke GLUT): -display EKRAN, -geometry MERA, -iconic,\n"
        "               -direct, -indirect, -gldebug, -sync; drugi argument nije\n"
        "               dozvoljen (greska se javlja kada prozor treba da se otvori)\n"
        "\n"
        "Izlazni status:\n"
        "  0       prozor je zatvoren\n"
        "  1       greska, opisana na standardnom izlazu za greske: %s\n"
        "          ne moze da se procita ili ne valja, u %s ne moze da se\n"
        "          dopise, ogranicenje steka je premalo, prozor ne moze da se\n"
        "          otvori ili ekran prestane da odgovara (red je tada vec upisan)\n"
        "  3       veza sa ekranom je prekinuta dok je prozor bio otvoren (X server\n"
        "          je zavrsio rad, ili je drugi program, npr. xkill, zatvorio vezu)\n"
        "  signal  Ctrl-C ili drugi signal prekida program; pre upisa se red ne upisuje\n",
        program.name, purpose.c_str(), kPointFileName, point_capacity,
        kTimingLogName, example.c_str(), kPointFileName, kTimingLogName);
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::fputs("Greska: upis na standardni izlaz nije uspeo.\n", stderr);
        return 1;
    }
    return 0;
}
