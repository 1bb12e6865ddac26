// The real hull programs, run as a user would: in a directory of their own,
// on a point file, with or without a display (CTest runs this suite under
// tests/window/with_xvfb.sh, which names its virtual server in DISPLAY).
#include "file_names.h"
#include "capacities.h"
#include "program_run.h"
#include "support/log_lines.h"
#include "support/scratch_dir.h"
#include "virtual_display.h"

#include <gtest/gtest.h>

#include <thread>


namespace {

using namespace std::chrono_literals;

const std::string kPrograms[] = {HULL_BRUTE_BIN, HULL_CHAIN_BIN};

struct Outcome {
    int status;
    std::string error_text;
};

// Runs a program that is expected to stop before opening its window; with
// no display a window could not open quietly, so any attempt would show.
Outcome run_without_display(const std::string& program, const ScratchDir& dir) {
    ProgramRun run(program, dir.path(), "");
    EXPECT_TRUE(run.wait_for_exit(60s));
    return {run.exited_normally() ? run.exit_status() : -1, dir.read("stderr.txt")};
}

TEST(Programs, RefuseBadPointFilesWithoutWindowOrLogLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "Greska: generator.test: nedostaje broj tacaka n (kraj datoteke).\n"},
        {"3 1\n0 0\n1 1\n", "Greska: generator.test: nedostaje koordinata x tacke 3 od 3 (kraj datoteke).\n"},
        {"2 1\n0 0\n1 abc\n", "Greska: generator.test: koordinata y tacke 2 od 2: 'abc' nije broj.\n"},
        {"1 1\nnan 0\n", "Greska: generator.test: koordinata x tacke 1 od 1: 'nan' nije konacan broj u opsegu jednostruke preciznosti.\n"},
        {"1 0\n0 0\n", "Greska: generator.test: broj ponavljanja R = 0 mora biti najmanje 1.\n"},
        {"-2 1\n", "Greska: generator.test: broj tacaka n = -2 je van dozvoljenog opsega 0..%d.\n"},
    };
    const int capacities[] = {kHullBrutePointCapacity, kHullChainPointCapacity};
    for (int p = 0; p < 2; ++p) {
        for (const auto& [text, message] : cases) {
            ScratchDir dir;
            dir.write(kPointFileName, text);
            const Outcome outcome = run_without_display(kPrograms[p], dir);
            char expected[200];
            std::snprintf(expected, sizeof expected, message, capacities[p]);
            EXPECT_EQ(outcome.status, 1) << kPrograms[p] << " on '" << text << "'";
            EXPECT_EQ(outcome.error_text, expected);
            EXPECT_FALSE(dir.exists(kTimingLogName));
        }
    }
}

TEST(Programs, RefuseMissingPointFileAndUnwritableLog) {
    for (const std::string& program : kPrograms) {
        ScratchDir dir;
        Outcome outcome = run_without_display(program, dir);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.error_text, "Greska: ne mogu da otvorim datoteku generator.test za citanje.\n");

        dir.write(kPointFileName, "1 1\n0 0\n");
        std::filesystem::create_directory(dir / kTimingLogName);
        outcome = run_without_display(program, dir);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.error_text, "Greska: ne mogu da otvorim datoteku statistika.out za dopisivanje.\n");
    }
}

// Runs the program until its window is up, then ends it.
void run_until_window(const std::string& program, const ScratchDir& dir, const VirtualDisplay& display) {
    ProgramRun run(program, dir.path(), display.name());
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (display.find_window("Geometrija - prikaz zadatka") == kNoWindow && run.running() &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(20ms);
    }
    ASSERT_TRUE(run.running()) << dir.read("stderr.txt");
    run.terminate();
    ASSERT_TRUE(run.wait_for_exit(10s));
}

TEST(Programs, BruteThenChainLeaveOneLineEachInOrder) {
    VirtualDisplay display;
    ScratchDir dir;
    dir.write(kPointFileName, "5 3\n17 240\n0 0\n299 10\n150 150\n17 240\n");
    run_until_window(HULL_BRUTE_BIN, dir, display);
    run_until_window(HULL_CHAIN_BIN, dir, display);
    EXPECT_EQ(log_labels(dir.read(kTimingLogName)), (std::vector<std::string>{"n^3(n=5)", "n*logn(n=5)"}));
}

}  // namespace
