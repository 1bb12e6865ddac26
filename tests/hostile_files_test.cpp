// The real hull programs against hostile files and clumsy use: endless or
// special point files, huge trailing text, odd bytes; a log that is shared,
// a link, a FIFO, or that cannot grow; interrupted runs; no display; a small
// stack limit; --help; a terminal, in the foreground and in the background.
// Every run happens in a scratch folder of its own, without a display unless
// a case says otherwise.
#include "program_run.h"
#include "support/log_lines.h"
#include "support/scratch_dir.h"
#include "virtual_display.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <poll.h>
#include <pty.h>
#include <random>
#include <regex>
#include <sstream>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>

#include <grp.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

const std::string kPrograms[] = {HULL_BRUTE_BIN, HULL_CHAIN_BIN};
const std::string kTriangle = "3 1\n0 0\n10 0\n0 10\n";
// Only bounds how long a case that hangs is waited for.
constexpr auto kHangTimeout = 60s;

struct Outcome {
    bool ended;        // within kHangTimeout
    int status;        // exit status, -1 if ended by a signal
    int signal;        // the signal that ended it, 0 if none
    std::string errors;
    long peak_kb;      // the program's own peak resident memory
};

Outcome run(const std::string& program, const ScratchDir& dir, const std::function<void()>& in_child = {},
            const std::vector<std::string>& arguments = {}) {
    ProgramRun child(program, dir.path(), "", in_child, arguments);
    const bool ended = child.wait_for_exit(kHangTimeout);
    if (!ended) {
        child.send(SIGKILL);
        child.wait_for_exit(10s);
    }
    return {ended, child.exited_normally() ? child.exit_status() : -1, child.signal_number(), dir.read("stderr.txt"),
            child.peak_memory_kb()};
}

std::string no_display_message() {
    return "Greska: prozor ne moze da se otvori: promenljiva DISPLAY nije postavljena (nema ekrana).\n"
           "Red sa merenjem je upisan u datoteku statistika.out.\n"
           "Sliku prozora bez ekrana daje " HULL_SNAPSHOT_SCRIPT " PROGRAM SLIKA.png.\n";
}

// n random points of the generator's range, with R repetitions.
std::string random_points(int n, int repetitions) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(0, 299);
    std::string text = std::to_string(n) + " " + std::to_string(repetitions) + "\n";
    for (int i = 0; i < n; ++i) text += std::to_string(coordinate(random)) + " " + std::to_string(coordinate(random)) + "\n";
    return text;
}

// A file of head followed by lines of text up to about bytes in all,
// written in pieces so that the test itself stays small in memory.
void write_with_trailing_text(const fs::path& path, const std::string& head, std::size_t bytes) {
    std::ofstream out(path, std::ios::binary);
    out << head;
    std::string piece;
    while (piece.size() < (1 << 20)) piece += "123 456 komentar posle tacaka\n";
    for (std::size_t written = head.size(); written < bytes; written += piece.size()) out << piece;
}

// --- The point file ---------------------------------------------------------

TEST(HostilePointFile, EndlessStreamsAndEndlessValuesRefusedInBoundedMemory) {
    for (const std::string& program : kPrograms) {
        for (const char* device : {"/dev/zero", "/dev/urandom"}) {
            ScratchDir dir;
            fs::create_symlink(device, dir / "generator.test");
            const Outcome outcome = run(program, dir);
            ASSERT_TRUE(outcome.ended) << program << " on " << device;
            EXPECT_EQ(outcome.status, 1);
            EXPECT_EQ(outcome.errors, "Greska: generator.test: to nije obicna datoteka nego uredjaj.\n");
            EXPECT_LT(outcome.peak_kb, 256 * 1024) << program << " on " << device;
            EXPECT_FALSE(dir.exists("statistika.out"));
        }
        // A regular file that is one endless value: 1 GB of zero bytes, sparse
        // so that it takes no room in the scratch folder.
        ScratchDir dir;
        {
            std::ofstream(dir / "generator.test", std::ios::binary) << "1 1\n";
        }
        fs::resize_file(dir / "generator.test", std::uintmax_t{1} << 30);
        const Outcome outcome = run(program, dir);
        ASSERT_TRUE(outcome.ended);
        EXPECT_EQ(outcome.status, 1);
        std::string zeros;
        for (int i = 0; i < 40; ++i) zeros += "\\x00";  // the first 40 bytes are shown
        EXPECT_EQ(outcome.errors,
                  "Greska: generator.test: koordinata x tacke 1 od 1: '" + zeros + "...' ima vise od 4096 znakova.\n");
        EXPECT_LT(outcome.peak_kb, 256 * 1024);
        EXPECT_FALSE(dir.exists("statistika.out"));
    }
}

TEST(HostilePointFile, TextAfterThePointsIsNeverRead) {
    for (const std::string& program : kPrograms) {
        ScratchDir plain;
        plain.write("generator.test", kTriangle);
        const Outcome without_text = run(program, plain);

        ScratchDir trailing;
        write_with_trailing_text(trailing / "generator.test", kTriangle, std::size_t{256} << 20);
        const Outcome with_text = run(program, trailing);

        ASSERT_TRUE(with_text.ended);
        EXPECT_EQ(with_text.status, 1);  // no display; the line is written all the same
        EXPECT_EQ(with_text.errors, no_display_message());
        EXPECT_EQ(log_labels(trailing.read("statistika.out")).size(), 1u);
        // 256 MB of text after the points cost no memory beyond a buffer.
        EXPECT_LT(with_text.peak_kb, without_text.peak_kb + 8 * 1024) << program;
    }
}

TEST(HostilePointFile, SpecialFilesRefusedAtOnce) {
    for (const std::string& program : kPrograms) {
        ScratchDir dir;
        ASSERT_EQ(mkfifo((dir / "generator.test").c_str(), 0644), 0);  // no writer, ever
        Outcome outcome = run(program, dir);
        ASSERT_TRUE(outcome.ended) << program << " waited on a FIFO";
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.errors, "Greska: generator.test: to nije obicna datoteka nego imenovana cev (FIFO).\n");
        EXPECT_FALSE(dir.exists("statistika.out"));

        fs::remove(dir / "generator.test");
        fs::create_directory(dir / "generator.test");
        outcome = run(program, dir);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.errors, "Greska: generator.test: citanje datoteke nije uspelo.\n");
    }
}

TEST(HostilePointFile, MessagesShowEveryOtherByteAsHex) {
    const std::pair<std::string, std::string> cases[] = {
        {"\xef\xbb\xbf" "3 1\n0 0\n1 0\n0 1\n",
         "Greska: generator.test: broj tacaka n: '\\xef\\xbb\\xbf3' nije ceo broj.\n"},
        {"1 1\n\xc2\x9b" "5 0\n", "Greska: generator.test: koordinata x tacke 1 od 1: '\\xc2\\x9b5' nije broj.\n"},
        {"1 1\n0 \xc5\xa1\x7f\n", "Greska: generator.test: koordinata y tacke 1 od 1: '\\xc5\\xa1\\x7f' nije broj.\n"},
        {"1 1\n" + std::string(5000, '1') + " 0\n",
         "Greska: generator.test: koordinata x tacke 1 od 1: '" + std::string(40, '1') +
             "...' ima vise od 4096 znakova.\n"},
    };
    for (const std::string& program : kPrograms) {
        for (const auto& [text, message] : cases) {
            ScratchDir dir;
            dir.write("generator.test", text);
            const Outcome outcome = run(program, dir);
            EXPECT_EQ(outcome.status, 1);
            EXPECT_EQ(outcome.errors, message) << program;
            for (const char c : outcome.errors) EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7f)) << outcome.errors;
        }
    }
}

// --- The log ----------------------------------------------------------------

TEST(HostileLog, AFailingRunNeverLosesTheLineOfARunBesideIt) {
    // 10001 points: above hull_brute's capacity, within hull_chain's.
    ScratchDir source;
    source.write("generator.test", random_points(10001, 1));
    const std::string points = source.read("generator.test");
    int lost = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        ScratchDir dir;
        dir.write("generator.test", points);
        // Both in one folder with no log yet, started together. (They share
        // stdout.txt and stderr.txt too, which only the programs write.)
        ProgramRun failing(HULL_BRUTE_BIN, dir.path(), "");
        ProgramRun good(HULL_CHAIN_BIN, dir.path(), "");
        ASSERT_TRUE(failing.wait_for_exit(kHangTimeout));
        ASSERT_TRUE(good.wait_for_exit(kHangTimeout));
        EXPECT_EQ(failing.exit_status(), 1);
        if (log_labels(dir.read("statistika.out")) != std::vector<std::string>{"n*logn(n=10001)"}) ++lost;
    }
    EXPECT_EQ(lost, 0) << "hull_chain's line was lost in " << lost << " of 100 runs";
}

TEST(HostileLog, InterruptedOrCrashedRunsLeaveTheLogAsItWas) {
    ScratchDir source;
    source.write("generator.test", random_points(1500, 1000));  // minutes of brute force
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGKILL, SIGSEGV}) {
        for (const bool old_log : {false, true}) {
            ScratchDir dir;
            fs::copy_file(source / "generator.test", dir / "generator.test");
            if (old_log) dir.write("statistika.out", "n^3(n=5):   0 sekundi     1 milisekundi\n");
            ProgramRun child(HULL_BRUTE_BIN, dir.path(), "");
            std::this_thread::sleep_for(300ms);  // well into its work, though nothing depends on it
            child.send(signal);
            ASSERT_TRUE(child.wait_for_exit(kHangTimeout));
            // (A sanitizer build turns SIGSEGV into a report and exit status 1.)
            if (signal != SIGSEGV) {
                EXPECT_EQ(child.signal_number(), signal);
            }
            if (old_log) {
                EXPECT_EQ(dir.read("statistika.out"), "n^3(n=5):   0 sekundi     1 milisekundi\n");
            } else {
                EXPECT_FALSE(dir.exists("statistika.out")) << "signal " << signal;
            }
        }
    }
}

TEST(HostileLog, ALogThatCannotGrowKeepsNoPartOfTheLine) {
    // The file size limit stands in for a full disk: no byte may be added.
    // It would bind stderr.txt too, so the message comes through a pipe.
    for (const std::string& program : kPrograms) {
        for (const std::string old_log : {"", "stari red\n"}) {
            ScratchDir dir;
            dir.write("generator.test", kTriangle);
            if (!old_log.empty()) dir.write("statistika.out", old_log);
            int message[2];
            ASSERT_EQ(pipe(message), 0);
            Outcome outcome = run(program, dir, [&] {
                dup2(message[1], STDERR_FILENO);
                const struct rlimit limit { old_log.size(), old_log.size() };
                setrlimit(RLIMIT_FSIZE, &limit);
            });
            close(message[1]);
            char text[512];
            const ssize_t got = read(message[0], text, sizeof text);
            close(message[0]);
            EXPECT_EQ(outcome.status, 1) << program;
            EXPECT_EQ(std::string(text, got > 0 ? static_cast<std::size_t>(got) : 0),
                      "Greska: upis u datoteku statistika.out nije uspeo.\n");
            if (old_log.empty()) {
                EXPECT_FALSE(dir.exists("statistika.out"));
            } else {
                EXPECT_EQ(dir.read("statistika.out"), old_log);
            }
        }
    }
}

// However the log is shared or protected, a last line without its newline
// gets exactly one before the new lines: while another program holds the
// log's lock and runs wait for it together, and in a log its owner may
// write but not read (for root, who reads everything, run as another user).
TEST(HostileLog, ALastLineWithoutItsNewlineGetsExactlyOne) {
    constexpr uid_t kRunner = 61236;
    const struct {
        const char* name;
        int runs;
        bool locked_by_another_program;
        bool write_only;
    } cases[] = {{"locked", 6, true, false}, {"write-only", 1, false, true}};
    for (const auto& c : cases) {
        ScratchDir dir;
        dir.write("generator.test", kTriangle);
        dir.write("statistika.out", "stari red");
        const fs::path log = dir / "statistika.out";
        fs::permissions(dir.path(), fs::perms::all);
        std::function<void()> as_owner;
        if (c.write_only) {
            fs::permissions(log, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write);
            if (geteuid() == 0) {
                ASSERT_EQ(chown(log.c_str(), kRunner, kRunner), 0);
                as_owner = [] {
                    if (setgroups(0, nullptr) != 0 || setresgid(kRunner, kRunner, kRunner) != 0 ||
                        setresuid(kRunner, kRunner, kRunner) != 0)
                        _exit(125);
                };
            }
        }
        const int holder = open(log.c_str(), O_WRONLY | O_CLOEXEC);
        if (c.locked_by_another_program) {
            ASSERT_EQ(flock(holder, LOCK_EX), 0);
        }
        std::vector<std::unique_ptr<ProgramRun>> runs;
        for (int i = 0; i < c.runs; ++i) runs.push_back(std::make_unique<ProgramRun>(HULL_CHAIN_BIN, dir.path(), "", as_owner));
        for (const auto& run : runs) {
            ASSERT_TRUE(run->wait_for_exit(kHangTimeout));
            EXPECT_EQ(run->exit_status(), 1) << c.name << ": " << dir.read("stderr.txt");  // no display
        }
        close(holder);
        EXPECT_EQ(fs::status(log).permissions(), c.write_only ? fs::perms::owner_write | fs::perms::group_write |
                                                                    fs::perms::others_write
                                                              : fs::perms::owner_read | fs::perms::owner_write |
                                                                    fs::perms::group_read | fs::perms::others_read);
        fs::permissions(log, fs::perms::owner_read, fs::perm_options::add);
        const std::string text = dir.read("statistika.out");
        EXPECT_EQ(text.rfind("stari red\n", 0), 0u) << c.name << ": " << text;
        EXPECT_EQ(log_labels(text).size(), static_cast<std::size_t>(c.runs) + 1) << c.name << ": " << text;
        EXPECT_EQ(text.find("\n\n"), std::string::npos) << c.name << ": " << text;
    }
}

TEST(HostileLog, TheUsersLinksAreFollowedNeverReplaced) {
    for (const std::string& program : kPrograms) {
        ScratchDir dir;
        fs::create_directory(dir / "elsewhere");
        fs::create_symlink("elsewhere/log.out", dir / "statistika.out");  // dangling

        dir.write("generator.test", "3 1\n0 0\n");  // a bad point file
        Outcome outcome = run(program, dir);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.errors, "Greska: generator.test: nedostaje koordinata x tacke 2 od 3 (kraj datoteke).\n");
        EXPECT_TRUE(fs::is_symlink(dir / "statistika.out"));
        EXPECT_EQ(fs::read_symlink(dir / "statistika.out"), "elsewhere/log.out");
        EXPECT_FALSE(fs::exists(dir / "elsewhere" / "log.out"));

        // A good one: the line goes where the link points, twice.
        dir.write("generator.test", kTriangle);
        run(program, dir);
        run(program, dir);
        EXPECT_TRUE(fs::is_symlink(dir / "statistika.out"));
        EXPECT_EQ(log_labels(dir.read("elsewhere/log.out")).size(), 2u);
    }
}

TEST(HostileLog, AFifoAsLogRefusedAtOnce) {
    for (const std::string& program : kPrograms) {
        for (const std::string& points : {kTriangle, std::string("3 1\n")}) {
            ScratchDir dir;
            dir.write("generator.test", points);
            ASSERT_EQ(mkfifo((dir / "statistika.out").c_str(), 0644), 0);  // no reader, ever
            const Outcome outcome = run(program, dir);
            ASSERT_TRUE(outcome.ended) << program << " waited on a FIFO";
            EXPECT_EQ(outcome.status, 1);
            EXPECT_EQ(outcome.errors,
                      "Greska: statistika.out: to nije obicna datoteka nego imenovana cev (FIFO), u nju se ne dopisuje.\n");
            struct stat st {};
            EXPECT_EQ(lstat((dir / "statistika.out").c_str(), &st), 0);
            EXPECT_TRUE(S_ISFIFO(st.st_mode));
        }
    }
}

// --- The window -------------------------------------------------------------

TEST(NoWindow, WithoutADisplayTheProgramsSaySoAfterTheLine) {
    for (const std::string& program : kPrograms) {
        ScratchDir dir;
        dir.write("generator.test", kTriangle);
        const Outcome outcome = run(program, dir);  // DISPLAY empty
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.errors, no_display_message());
        EXPECT_EQ(dir.read("stdout.txt"), "");  // not a terminal: nothing

        // A display named but not there: a socket that takes no connection.
        ProgramRun absent(program, dir.path(), ":29871");
        ASSERT_TRUE(absent.wait_for_exit(kHangTimeout));
        EXPECT_EQ(absent.exit_status(), 1);
        EXPECT_EQ(dir.read("stderr.txt"),
                  "Greska: prozor ne moze da se otvori: veza sa ekranom ':29871' nije uspela.\n"
                  "Red sa merenjem je upisan u datoteku statistika.out.\n"
                  "Sliku prozora bez ekrana daje " HULL_SNAPSHOT_SCRIPT " PROGRAM SLIKA.png.\n");
        EXPECT_EQ(log_labels(dir.read("statistika.out")).size(), 2u);
    }
}

void limit_stack_kb(rlim_t kb) {
    const struct rlimit limit { kb * 1024, kb * 1024 };
    setrlimit(RLIMIT_STACK, &limit);
}

TEST(NoWindow, AStackLimitTooSmallIsNamedAtTheStart) {
    for (const std::string& program : kPrograms) {
        ScratchDir dir;
        dir.write("generator.test", kTriangle);
        const Outcome outcome = run(program, dir, [] { limit_stack_kb(256); });
        ASSERT_TRUE(outcome.ended);
        EXPECT_EQ(outcome.signal, 0) << program << " crashed";
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.errors.rfind("Greska: ogranicenje steka (ulimit -s) je 256 KB, a programu treba najmanje ", 0), 0u)
            << outcome.errors;
        EXPECT_FALSE(dir.exists("statistika.out"));
    }
    // hull_brute needs far less than 1 MB.
    ScratchDir dir;
    dir.write("generator.test", kTriangle);
    const Outcome outcome = run(HULL_BRUTE_BIN, dir, [] { limit_stack_kb(1024); });
    EXPECT_EQ(outcome.errors, no_display_message());
    EXPECT_EQ(log_labels(dir.read("statistika.out")).size(), 1u);
}

// --- The command line and the terminal -------------------------------------

// Every program's usage, its algorithm's name included, fits 79 columns.
TEST(Usage, HelpAnswersAndTouchesNothing) {
    const std::vector<std::string> asks[] = {{"--help"}, {"-h"}, {"-iconic", "-h"}};
    for (const std::string program : {HULL_PROGRAM_BINS}) {
        const std::string name = fs::path(program).filename().string();
        for (const auto& arguments : asks) {
            ScratchDir dir;
            dir.write("generator.test", kTriangle);
            const Outcome outcome = run(program, dir, {}, arguments);
            EXPECT_EQ(outcome.status, 0) << name << " " << arguments.front();
            EXPECT_EQ(outcome.errors, "");
            const std::string usage = dir.read("stdout.txt");
            EXPECT_EQ(usage.rfind("Upotreba: " + name + " [-h | --help]", 0), 0u);
            std::istringstream lines(usage);
            for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 79u) << name << ": " << line;
            EXPECT_FALSE(dir.exists("statistika.out"));
        }
    }
}

// A terminal (a pseudo-terminal) for a program started by hand in a shell.
struct Terminal {
    // A background job's stand-in for the shell ends with this if the job is
    // stopped (by reading the terminal, say).
    static constexpr int kStopped = 99;

    Terminal() { openpty(&master, &slave, nullptr, nullptr, nullptr); }
    ~Terminal() { close(master), close(slave); }

    // For ProgramRun's child: the terminal becomes the program's own, its
    // standard input, output and error, with the program in the terminal's
    // foreground or as a background job (program &) of a stand-in for the shell.
    std::function<void()> start(bool in_background) const {
        return [this, in_background] {
            setsid();
            ioctl(slave, TIOCSCTTY, 0);
            for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) dup2(slave, fd);
            if (!in_background) return;
            const pid_t job = fork();
            if (job == 0) {
                prctl(PR_SET_PDEATHSIG, SIGKILL);
                setpgid(0, 0);
                return;
            }
            setpgid(job, job);
            int status = 0;
            waitpid(job, &status, WUNTRACED);
            if (WIFSTOPPED(status)) kill(job, SIGKILL);
            _exit(WIFSTOPPED(status) ? kStopped : WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
        };
    }

    // Reads what the terminal shows until it holds text; false if every
    // program on it has ended first (all it showed is read then).
    bool wait_for(const std::string& text) {
        close(slave);  // the programs' copies alone keep it open
        slave = -1;
        pollfd ready{master, POLLIN, 0};
        char bytes[4096];
        ssize_t got = 0;
        while (shown.find(text) == std::string::npos) {
            // Read fails (EIO) once the terminal is closed on the programs' side.
            if (poll(&ready, 1, kHangTimeout.count() * 1000) <= 0 || (got = read(master, bytes, sizeof bytes)) <= 0) {
                return false;
            }
            for (ssize_t i = 0; i < got; ++i) {
                if (bytes[i] == '\n' && shown.ends_with('\r')) shown.pop_back();
                shown += bytes[i];
            }
        }
        return true;
    }

    int master = -1;
    int slave = -1;
    std::string shown;  // all shown so far, the terminal's "\r\n" as "\n"
};

const std::string kAllShown(1, '\0');

// The text as a regular expression that matches it alone.
std::string escaped(const std::string& text) {
    return std::regex_replace(text, std::regex(R"([.^$|()\[\]{}*+?\\])"), R"(\$&)");
}  // never shown: wait_for reads to the end

// Run on a virtual display of its own (tests/CMakeLists.txt).
TEST(Terminal, AHandRunSaysWhatItDidAndWaitsForEnterOnlyInTheForeground) {
    VirtualDisplay display;
    const std::string window_line = "Prozor \"Geometrija - prikaz zadatka\" se otvara; za kraj ga zatvorite.\n";
    for (const std::string& program : kPrograms) {
        for (const bool in_background : {false, true}) {
            ScratchDir dir;
            dir.write("generator.test", "3 2\n0 0\n10 0\n0 10\n");
            Terminal terminal;
            ProgramRun run(program, dir.path(), display.name(), terminal.start(in_background));
            ASSERT_TRUE(terminal.wait_for(window_line)) << terminal.shown;
            const std::regex report("Dopisan red u statistika\\.out: " + escaped(dir.read("statistika.out")) +
                                    "Mereno ukupno [0-9]+,[0-9]{3} ms: citanje i sortiranje [0-9]+,[0-9]{3} ms, "
                                    "omotac \\(R = 2\\) [0-9]+,[0-9]{3} ms\n"
                                    "Jedno racunanje omotaca: [0-9]+,[0-9]{2} mikrosekundi \\(prosek za R = 2\\)\n"
                                    "Broj tacaka na obrisu omotaca: 3\nBroj temena \\(uglova\\) omotaca: 3\n" +
                                    escaped(window_line) + "[^]*");
            EXPECT_TRUE(std::regex_match(terminal.shown, report)) << terminal.shown;
            WindowId window = kNoWindow;
            while ((window = display.find_window("Geometrija - prikaz zadatka")) == kNoWindow && run.running()) {
                std::this_thread::sleep_for(20ms);
            }
            display.request_close(window);
            if (!in_background) {
                ASSERT_TRUE(terminal.wait_for("Pritisnite Enter za kraj . . . ")) << terminal.shown;
                ASSERT_EQ(write(terminal.master, "\n", 1), 1);
            }
            terminal.wait_for(kAllShown);
            ASSERT_TRUE(run.wait_for_exit(kHangTimeout));
            EXPECT_EQ(run.exit_status(), 0) << program << (run.exit_status() == Terminal::kStopped ? " stopped" : "");
            EXPECT_EQ(terminal.shown.find("Pritisnite") == std::string::npos, in_background) << terminal.shown;
        }
    }
}

TEST(Terminal, InterruptedRunClearsItsProgressLine) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        ScratchDir dir;
        dir.write("generator.test", random_points(1500, 1000));  // minutes of brute force
        Terminal terminal;
        ProgramRun run(HULL_BRUTE_BIN, dir.path(), "", terminal.start(false));
        ASSERT_TRUE(terminal.wait_for("Racunam omotac: ")) << terminal.shown;
        run.send(signal);
        terminal.wait_for(kAllShown);
        ASSERT_TRUE(run.wait_for_exit(kHangTimeout));
        EXPECT_EQ(run.signal_number(), signal);
        EXPECT_TRUE(terminal.shown.ends_with("\r" + std::string(79, ' ') + "\r")) << "signal " << signal;
    }
}

}  // namespace
