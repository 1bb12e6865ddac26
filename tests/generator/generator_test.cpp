#include "capacities.h"
#include "launch.h"
#include "file_names.h"
#include "generator.h"
#include "pending_file.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kN = "Unesi n: ";
const std::string kKol = "Unesite koliko puta zelite da vam se izvrsi algoritam: ";
const std::string kBadN = "Neispravan unos: ocekuje se ceo broj od 0 do 20001.\n";
const std::string kBadKol = "Neispravan unos: ocekuje se ceo broj veci od 0.\n";

std::FILE* file_with(const std::string& text) {
    std::FILE* f = std::tmpfile();
    std::fputs(text.c_str(), f);
    std::rewind(f);
    return f;
}

std::string read_all(std::FILE* f) {
    std::rewind(f);
    std::string s;
    for (int c; (c = std::getc(f)) != EOF;) s += static_cast<char>(c);
    return s;
}

std::string read_file(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The names in `dir`, sorted: what a run left behind.
std::vector<std::string> entries(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}
using Names = std::vector<std::string>;

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream s(text);
    for (std::string l; std::getline(s, l);) lines.push_back(l);
    return lines;
}

// Every line after the header must be "x y" with both in 0..299.
void expect_points(const std::string& text, int n, int kol) {
    const auto lines = lines_of(text);
    ASSERT_EQ(lines.size(), static_cast<size_t>(n) + 1);
    EXPECT_EQ(lines[0], std::to_string(n) + " " + std::to_string(kol));
    for (size_t i = 1; i < lines.size(); ++i) {
        int x = -1, y = -1;
        char extra;
        ASSERT_EQ(std::sscanf(lines[i].c_str(), "%d %d%c", &x, &y, &extra), 2) << lines[i];
        EXPECT_TRUE(x >= 0 && x < 300 && y >= 0 && y < 300) << lines[i];
    }
}

TEST(ReadInt, AcceptsSignedIntsAcrossWhitespaceAndLines) {
    std::FILE* in = file_with("  7\n\n-12 +3\t2147483647 -2147483648\n");
    for (int want : {7, -12, 3, INT_MAX, INT_MIN}) {
        const gen::Answer a = gen::read_int(in);
        EXPECT_EQ(a.status, gen::ReadStatus::ok);
        EXPECT_EQ(a.value, want);
    }
    EXPECT_EQ(gen::read_int(in).status, gen::ReadStatus::end);
    std::fclose(in);
}

TEST(ReadInt, RejectsBadTokensAndSkipsRestOfLine) {
    for (const char* bad : {"2147483648", "-2147483649", "99999999999999999999999",
                            "12abc 9", "-", "+ 9", "x1", "--1", "1.5"}) {
        std::FILE* in = file_with(std::string(bad) + "\n5");
        EXPECT_EQ(gen::read_int(in).status, gen::ReadStatus::invalid) << bad;
        const gen::Answer next = gen::read_int(in);
        EXPECT_EQ(next.status, gen::ReadStatus::ok) << bad;
        EXPECT_EQ(next.value, 5) << bad;
        std::fclose(in);
    }
    std::FILE* in = file_with("abc");
    EXPECT_EQ(gen::read_int(in).status, gen::ReadStatus::invalid);
    EXPECT_EQ(gen::read_int(in).status, gen::ReadStatus::end);
    std::fclose(in);
}

class Generator : public ::testing::Test {
protected:
    void SetUp() override { target = dir / kPointFileName; }

    struct Result {
        int status;
        std::string out;
    };
    Result run(const std::string& input, unsigned seed = 42) {
        return run_at(target, input, seed);
    }
    Result run_at(const fs::path& path, const std::string& input, unsigned seed = 42) {
        std::FILE* in = file_with(input);
        std::FILE* out = std::tmpfile();
        const int status =
            gen::run_generator(in, out, path.string(), [seed] { return seed; });
        Result r{status, read_all(out)};
        std::fclose(in);
        std::fclose(out);
        return r;
    }
    std::string end_of_input() const {
        return "\nKraj ulaza: " + target.string() + " nije napravljen.\n";
    }
    void write_old_file() { std::ofstream(target) << "old\n"; }

    ScratchDir scratch;
    const fs::path& dir = scratch.path();
    fs::path target;
};

TEST_F(Generator, WritesHeaderAndPoints) {
    Result r = run("0\n7\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, kN + kKol);
    EXPECT_EQ(read_file(target), "0 7\n");
    EXPECT_EQ(entries(dir), Names{kPointFileName});

    r = run("3\n5\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, kN + kKol);
    expect_points(read_file(target), 3, 5);

    // Both answers on one line, and the largest n the hull programs take.
    EXPECT_EQ(run(std::to_string(kLargestPointCapacity) + " 1\n").status, 0);
    expect_points(read_file(target), kLargestPointCapacity, 1);
}

TEST_F(Generator, SameSeedGivesSameFileWithXFromSecondDraw) {
    ASSERT_EQ(run("50\n2\n", 7).status, 0);
    const std::string first = read_file(target);
    ASSERT_EQ(run("50\n2\n", 7).status, 0);
    EXPECT_EQ(read_file(target), first);
    ASSERT_EQ(run("50\n2\n", 8).status, 0);
    EXPECT_NE(read_file(target), first);

    std::srand(7);
    const int a = std::rand() % 300;
    const int b = std::rand() % 300;
    EXPECT_EQ(lines_of(first)[1], std::to_string(b) + " " + std::to_string(a));
}

TEST_F(Generator, BadAnswersAreReportedAndAskedAgain) {
    const std::string again_n = kN + kBadN + kN + kKol;
    for (const std::string& in : {std::string("abc\n0\n1\n"), std::string("-1\n0\n1\n"),
                                  std::to_string(kLargestPointCapacity + 1) + "\n0\n1\n",
                                  std::string("2147483648\n0\n1\n"), std::string("7x 8\n0\n1\n")}) {
        const Result r = run(in);
        EXPECT_EQ(r.status, 0) << in;
        EXPECT_EQ(r.out, again_n) << in;
        EXPECT_EQ(read_file(target), "0 1\n") << in;
    }
    const Result r = run("0\n0\n-3\nx\n4\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, kN + kKol + kBadKol + kKol + kBadKol + kKol + kBadKol + kKol);
    EXPECT_EQ(read_file(target), "0 4\n");
}

TEST_F(Generator, EndOfInputLeavesNoFile) {
    Result r = run("");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, kN + end_of_input());
    r = run("bad\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, kN + kBadN + kN + end_of_input());
    r = run("4\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, kN + kKol + end_of_input());
    EXPECT_EQ(entries(dir), Names{});
}

TEST_F(Generator, EndOfInputBeforeKolKeepsEarlierFile) {
    write_old_file();
    const Result r = run("4\n0\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, kN + kKol + kBadKol + kKol + end_of_input());
    EXPECT_EQ(read_file(target), "old\n");
    EXPECT_EQ(entries(dir), Names{kPointFileName});
}

TEST_F(Generator, UncreatableFileIsReportedBeforeKol) {
    fs::create_directory(target);
    Result r = run("3\n5\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, kN + "Neuspleo kreiranje file-a " + target.string() + "!\n");
    EXPECT_EQ(entries(dir), Names{kPointFileName});

    const fs::path missing = dir / "nema" / kPointFileName;
    r = run_at(missing, "3\n5\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, kN + "Neuspleo kreiranje file-a " + missing.string() + "!\n");
}

// Both kinds of pending file, the unnamed one and the named one of file
// systems without unnamed files: abandoned, nothing of it stays; committed,
// it takes the name whole, in place of an earlier file or on a free name.
TEST_F(Generator, PendingFileReplacesWholeOrLeavesNothing) {
    for (const bool named : {false, true}) {
        for (const bool earlier : {true, false}) {
            if (earlier) write_old_file();
            const Names before = entries(dir);
            {
                gen::PendingFile abandoned(target.string(), named);
                ASSERT_TRUE(abandoned.is_open());
                std::fputs("new\n", abandoned.stream());
            }
            EXPECT_EQ(entries(dir), before) << named;
            gen::PendingFile file(target.string(), named);
            std::fputs("new\n", file.stream());
            EXPECT_EQ(file.commit(), gen::CommitResult::ok) << named << earlier;
            EXPECT_EQ(read_file(target), "new\n") << named << earlier;
            EXPECT_EQ(entries(dir), Names{kPointFileName}) << named << earlier;
            fs::remove(target);
        }
    }
}

// Where there are no unnamed files, a run killed by SIGKILL leaves its hidden
// file, no longer locked by its writer. The next run removes such files,
// and only those.
TEST_F(Generator, TheNextRunRemovesWhatAKilledRunLeft) {
    const struct {
        const char* name;
        bool old;
        bool locked;  // its writer still runs
        bool link;
        bool removed;
    } cases[] = {
        {".generator.test.A1b2C3", true, false, false, true},
        {".generator.test.D4e5F6", true, true, false, false},
        {".generator.test.G7h8I9", false, false, false, false},  // just made: maybe not locked yet
        {".generator.test.J0k1L2", true, false, true, false},
        {".generator.test.tmp", true, false, false, false},
        {"generator.test.M3n4O5", true, false, false, false},
    };
    std::vector<int> writers;
    for (const auto& c : cases) {
        const fs::path file = dir / c.name;
        if (c.link) {
            std::ofstream(dir / "victim") << "moje\n";
            fs::create_symlink("victim", file);
        } else {
            std::ofstream(file) << "3 ";
        }
        if (c.old) fs::last_write_time(file, fs::last_write_time(file) - std::chrono::hours(1));
        const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
        if (c.locked) {
            flock(fd, LOCK_EX);
            writers.push_back(fd);
        } else {
            close(fd);
        }
    }
    gen::PendingFile file(target.string(), true);
    for (const auto& c : cases) EXPECT_EQ(fs::is_symlink(dir / c.name) || fs::exists(dir / c.name), !c.removed) << c.name;
    EXPECT_EQ(read_file(dir / "victim"), "moje\n");
    for (const int fd : writers) close(fd);
}

// The real program in `work` with `args`, with pipes on its standard input
// and output; `setup` runs in the new process just before the program.
launch::Command generator_command(const fs::path& work, const std::function<void()>& setup = {},
                                  std::vector<std::string> args = {}) {
    launch::Command command;
    command.program = GENERATOR_BIN;
    command.arguments = std::move(args);
    command.folder = work;
    command.input = launch::Stream::pipe();
    command.output = launch::Stream::pipe();
    command.in_child = [setup] {
        const rlimit no_core{0, 0};
        setrlimit(RLIMIT_CORE, &no_core);
        if (setup) setup();
    };
    return command;
}
using Child = launch::Process;

void send(const Child& c, const std::string& text) {
    EXPECT_EQ(write(c.input_fd(), text.data(), text.size()), static_cast<ssize_t>(text.size()));
}

// Reads the program's output until it ends with `tail` (or, with no tail,
// until the output closes).
std::string read_until(const Child& c, const std::string& tail = "") {
    std::string got;
    char buf[256];
    while (tail.empty() || got.size() < tail.size() ||
           got.compare(got.size() - tail.size(), tail.size(), tail) != 0) {
        const ssize_t k = read(c.output_fd(), buf, sizeof buf);
        if (k <= 0) break;
        got.append(buf, static_cast<size_t>(k));
    }
    return got;
}

// Closes the input, reads the remaining output and waits for the end.
launch::Ending finish(Child& c, std::string* out = nullptr) {
    c.close_input();
    if (c.output_fd() >= 0) {
        const std::string rest = read_until(c);
        if (out) *out += rest;
        c.close_output();
    }
    c.wait();
    return c.ending();
}

int exit_status(const launch::Ending& ending) {
    EXPECT_TRUE(ending.exited) << ending.signal;
    return ending.status;
}

// Runs the real program in its own folder `work`.
class GeneratorProgram : public Generator {
protected:
    void SetUp() override {
        Generator::SetUp();
        work = dir / "w";
        fs::create_directory(work);
        target = work / kPointFileName;
        // Writing to a child that has died must fail, not end the test.
        std::signal(SIGPIPE, SIG_IGN);
    }
    // `input` as the whole of standard input.
    Result exec(const std::string& input) {
        Child c(generator_command(work));
        send(c, input);
        std::string out;
        const int status = exit_status(finish(c, &out));
        return {status, out};
    }
    fs::path work;
};

TEST_F(GeneratorProgram, WritesGeneratorTestInCurrentDirectory) {
    const Result r = exec("3\n5\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, kN + kKol);
    expect_points(read_file(target), 3, 5);
}

// A point file that cannot take its name is reported right after n, before
// kol is asked for, and what holds the name stays.
TEST_F(GeneratorProgram, ReportsUncreatableFileOnStdoutAfterN) {
    const std::string cannot = kN + "Neuspleo kreiranje file-a generator.test";
    fs::create_directory(target);
    const Result r = exec("3\n5\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, cannot + "!\n");
    fs::remove(target);

    // Another user's file, writable by all, in a sticky folder such as /tmp:
    // rename may not replace it. Accounts are not needed, the kernel compares
    // numbers: the file's owner and the run's user are two unused ids.
    if (geteuid() != 0) GTEST_SKIP() << "another user's file and a run as a third user need root";
    constexpr uid_t kOwner = 61234, kRunner = 61235;
    fs::permissions(dir, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    fs::permissions(work, fs::perms::all | fs::perms::sticky_bit);
    write_old_file();
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                fs::perms::group_write | fs::perms::others_read | fs::perms::others_write);
    // Root of a user namespace may have no such ids to give.
    if (chown(target.c_str(), kOwner, kOwner) != 0) GTEST_SKIP() << "chown: " << std::strerror(errno);
    Child c(generator_command(work, [] {
        if (setgroups(0, nullptr) != 0 || setresgid(kRunner, kRunner, kRunner) != 0 ||
            setresuid(kRunner, kRunner, kRunner) != 0) {
            _exit(125);
        }
    }));
    // Not send(): a child that could not change its user is gone already.
    const ssize_t sent = write(c.input_fd(), "3\n5\n", 4);
    (void)sent;
    std::string out;
    const int status = exit_status(finish(c, &out));
    // 125: the user could not be changed; 127: that user may not reach the program.
    if (status == 125 || status == 127) GTEST_SKIP() << "cannot run the program as user id " << kRunner;
    EXPECT_EQ(status, 1);
    EXPECT_EQ(out, cannot + ": postojeci file pripada drugom korisniku i ne moze da se zameni!\n");
    EXPECT_EQ(read_file(target), "old\n");
    EXPECT_EQ(entries(work), Names{kPointFileName});
}

// --help and -h show the usage and touch nothing, not even the input;
// any other argument is refused.
TEST_F(GeneratorProgram, HelpShowsUsageAndTouchesNothing) {
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    const std::string refused = "Greska: generator ne prima argument '500'.\nUpotreba: generator [--help]\n";
    for (const Case& k : {Case{{"--help"}, 0}, Case{{"-h"}, 0}, Case{{"-h", "500"}, 2}, Case{{"500"}, 2}}) {
        // Standard error joins standard output, so the refusal is read as well.
        Child c(generator_command(work, [] { dup2(1, 2); }, k.args));
        std::string out;
        EXPECT_EQ(exit_status(finish(c, &out)), k.status) << k.args.back();
        if (k.status == 0) {
            EXPECT_EQ(out.rfind("Upotreba: generator [--help]\n", 0), 0u) << out;
        } else {
            EXPECT_EQ(out, refused);
        }
        EXPECT_EQ(entries(work), Names{}) << k.args.back();
    }
}

// On a terminal a wrong kol is told the whole range and the run ends by
// saying what it wrote; piped, the same dialogue is the prompts alone (the
// tests above).
TEST_F(GeneratorProgram, OnATerminalSaysWhatItWrote) {
    const std::string range = "Neispravan unos: ocekuje se ceo broj od 1 do 2147483647.\n";
    struct Case {
        std::string in;
        int n, kol;
        std::string tail;
    };
    for (const Case& k :
         {Case{"15000\n99999999999\n3\n", 15000, 3,
               range + kKol + "Napisano: generator.test (15000 tacaka, R = 3)\n"
                              "hull_brute prima najvise 10000 tacaka: ovaj file citaju ostali programi za omotac.\n"},
          Case{"2\n1\n", 2, 1, "Napisano: generator.test (2 tacke, R = 1)\n"}}) {
        // A terminal that neither echoes the input nor turns \n into \r\n.
        const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_GE(master, 0);
        ASSERT_TRUE(grantpt(master) == 0 && unlockpt(master) == 0);
        const int tty = open(ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_GE(tty, 0);
        termios mode{};
        tcgetattr(tty, &mode);
        mode.c_lflag &= ~ECHO;
        mode.c_oflag &= ~OPOST;
        tcsetattr(tty, TCSANOW, &mode);
        Child c(generator_command(work, [tty] {
            dup2(tty, 0);
            dup2(tty, 1);
        }));
        close(tty);
        EXPECT_EQ(write(master, k.in.data(), k.in.size()), static_cast<ssize_t>(k.in.size()));
        // Read until the program has gone and the terminal reports EIO.
        std::string out;
        char buf[256];
        for (ssize_t got; (got = read(master, buf, sizeof buf)) > 0;) out.append(buf, static_cast<size_t>(got));
        close(master);
        EXPECT_EQ(exit_status(finish(c)), 0);
        EXPECT_EQ(out, kN + kKol + k.tail);
        expect_points(read_file(target), k.n, k.kol);
    }
}

TEST_F(GeneratorProgram, FailedWriteRemovesPartialFileAndKeepsEarlier) {
    // No file may grow at all, and SIGXFSZ is at its default (ending the
    // process): n = 0 fails only when the buffer is written out at the end,
    // the largest n when the first buffer is.
    const auto no_room = [] {
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &limit);
    };
    for (const std::string& in : {std::string("0\n1\n"), std::to_string(kLargestPointCapacity) + "\n1\n"}) {
        write_old_file();
        Child c(generator_command(work, no_room));
        send(c, in);
        std::string out;
        EXPECT_EQ(exit_status(finish(c, &out)), 1) << in;
        EXPECT_EQ(out, kN + kKol + "Neuspleo upis u file generator.test!\n") << in;
        EXPECT_EQ(read_file(target), "old\n") << in;
        EXPECT_EQ(entries(work), Names{kPointFileName}) << in;
    }
}

// Neither a link nor a file of the user's under a likely temporary name is
// opened, followed or removed; the point file gets the usual permissions.
TEST_F(GeneratorProgram, LeavesFilesUnderTemporaryLikeNamesAlone) {
    const fs::path victim = work / "victim";
    const std::string near_name = std::string(kPointFileName) + ".tmp";
    const fs::path near = work / near_name;
    for (const bool link : {true, false}) {
        for (const char* in : {"3\n5\n", "3\n"}) {
            fs::remove(target);
            fs::remove(near);
            std::ofstream(victim) << "moje\n";
            if (link) {
                fs::create_symlink("victim", near);
            } else {
                std::ofstream(near) << "moje\n";
            }
            Child c(generator_command(work, [] { umask(027); }));
            send(c, in);
            const bool whole = in[2] != '\0';
            EXPECT_EQ(exit_status(finish(c)), whole ? 0 : 1) << in;
            EXPECT_EQ(read_file(victim), "moje\n") << link << in;
            EXPECT_EQ(fs::is_symlink(near), link) << in;
            EXPECT_EQ(read_file(near), "moje\n") << link << in;
            if (whole) {
                expect_points(read_file(target), 3, 5);
                EXPECT_EQ(fs::status(target).permissions(),
                          fs::perms::owner_read | fs::perms::owner_write |
                              fs::perms::group_read);
                EXPECT_EQ(entries(work), (Names{kPointFileName, near_name, "victim"}));
            } else {
                EXPECT_EQ(entries(work), (Names{near_name, "victim"}));
            }
        }
    }
}

// Two runs in one folder, both held at the second prompt so that both have
// created their files, then released together: the point file is the whole
// output of one of them, and both report success.
TEST_F(GeneratorProgram, ConcurrentRunsLeaveOneWholeFile) {
    for (int pair = 0; pair < 20; ++pair) {
        const int na = 1000 + pair, nb = 3000 + pair;
        Child a(generator_command(work));
        Child b(generator_command(work));
        send(a, std::to_string(na) + "\n");
        send(b, std::to_string(nb) + "\n");
        std::string out_a = read_until(a, kN + kKol);
        std::string out_b = read_until(b, kN + kKol);
        send(a, "1\n");
        send(b, "2\n");
        EXPECT_EQ(exit_status(finish(a, &out_a)), 0) << pair;
        EXPECT_EQ(exit_status(finish(b, &out_b)), 0) << pair;
        EXPECT_EQ(out_a, kN + kKol);
        EXPECT_EQ(out_b, kN + kKol);
        const std::string text = read_file(target);
        if (text.rfind(std::to_string(na) + " ", 0) == 0) {
            expect_points(text, na, 1);
        } else {
            expect_points(text, nb, 2);
        }
        EXPECT_EQ(entries(work), Names{kPointFileName}) << pair;
        if (HasFailure()) break;
    }
}

// With a standard descriptor closed (as some schedulers start jobs) or the
// prompts going nowhere, the point file is still whole and the status true.
TEST_F(GeneratorProgram, ClosedOrFullStandardOutputStillGivesAValidFile) {
    const std::vector<std::function<void()>> setups = {
        [] { close(1); },
        [] { close(1); close(2); },
        [] { dup2(open("/dev/full", O_WRONLY), 1); },
    };
    for (size_t i = 0; i < setups.size(); ++i) {
        fs::remove(target);
        Child c(generator_command(work, setups[i]));
        send(c, "3\n5\n");
        EXPECT_EQ(exit_status(finish(c)), 0) << i;
        expect_points(read_file(target), 3, 5);
        EXPECT_EQ(entries(work), Names{kPointFileName}) << i;
    }
    // No input at all: nothing is made.
    fs::remove(target);
    Child c(generator_command(work, [] { close(0); }));
    std::string out;
    EXPECT_EQ(exit_status(finish(c, &out)), 1);
    EXPECT_EQ(out, kN + "\nKraj ulaza: generator.test nije napravljen.\n");
    EXPECT_EQ(entries(work), Names{});
}

// A run ended by a signal while it waits for kol (its file already created)
// dies of that signal and leaves only the earlier point file, whatever the
// signal: caught, left at its default, or SIGKILL.
TEST_F(GeneratorProgram, SignalAtSecondPromptLeavesOnlyTheEarlierFile) {
    for (const int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGUSR1, SIGALRM, SIGXCPU, SIGKILL}) {
        write_old_file();
        Child c(generator_command(work));
        if (sig == SIGPIPE) {
            // Nobody reads the second prompt.
            EXPECT_EQ(read_until(c, kN), kN);
            c.close_output();
            send(c, "3\n");
        } else {
            send(c, "3\n");
            EXPECT_EQ(read_until(c, kN + kKol), kN + kKol);
            c.send(sig);
        }
        EXPECT_EQ(finish(c).signal, sig) << sig;
        EXPECT_EQ(read_file(target), "old\n") << sig;
        EXPECT_EQ(entries(work), Names{kPointFileName}) << sig;
    }
}

}  // namespace
