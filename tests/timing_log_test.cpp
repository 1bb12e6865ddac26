#include "file_names.h"
#include "input_error.h"
#include "support/scratch_dir.h"
#include "timing_log.h"

#include <gtest/gtest.h>

namespace {

TEST(TimingLog, LabelsOfBothPrograms) {
    EXPECT_EQ(format_label("n^3(n=%d)", 1000), "n^3(n=1000)");
    EXPECT_EQ(format_label("n*logn(n=%d)", 3), "n*logn(n=3)");
    EXPECT_EQ(format_label("n*logn(n=%d)", 20001), "n*logn(n=20001)");  // the longest label, 15 characters
}

TEST(TimingLog, LineFormat) {
    EXPECT_EQ(format_log_line("n^3(n=1000)", 2345), "n^3(n=1000):   2 sekundi   345 milisekundi\n");
    EXPECT_EQ(format_log_line("n^3(n=3)", 61234), "n^3(n=3):  61 sekundi   234 milisekundi\n");
    EXPECT_EQ(format_log_line("n^3(n=3)", 0), "n^3(n=3):   0 sekundi     0 milisekundi\n");
    EXPECT_EQ(format_log_line("short", 5), "short   :   0 sekundi     5 milisekundi\n");  // padded to 8 columns
}

TEST(TimingLog, AppendsAndNeverTruncates) {
    const std::pair<std::string, std::string> cases[] = {
        {"earlier line\n", "earlier line\nfirst\nsecond\n"},
        {"", "first\nsecond\n"},
        // A last line without its newline (edited by hand) gets one.
        {"n^3(n=5):   0 sekundi     1 milisekundi", "n^3(n=5):   0 sekundi     1 milisekundi\nfirst\nsecond\n"},
        {"a\r\nb\r", "a\r\nb\r\nfirst\nsecond\n"},
    };
    for (const auto& [old_log, expected] : cases) {
        ScratchDir dir;
        dir.write(kTimingLogName, old_log);
        TimingLog((dir / kTimingLogName).string()).append_and_close("first\n");
        TimingLog((dir / kTimingLogName).string()).append_and_close("second\n");
        EXPECT_EQ(dir.read(kTimingLogName), expected);
    }
}

TEST(TimingLog, CheckAloneCreatesNothingAndKeepsAnOldFile) {
    ScratchDir dir;
    { TimingLog log((dir / kTimingLogName).string()); }
    EXPECT_FALSE(dir.exists(kTimingLogName));

    dir.write(kTimingLogName, "");
    { TimingLog log((dir / kTimingLogName).string()); }
    EXPECT_TRUE(dir.exists(kTimingLogName));

    // Created only with its line, which then is all it holds.
    TimingLog((dir / "new.out").string()).append_and_close("line\n");
    EXPECT_EQ(dir.read("new.out"), "line\n");
    EXPECT_EQ(std::filesystem::status(dir / "new.out").permissions() & std::filesystem::perms::owner_write,
              std::filesystem::perms::owner_write);
}

TEST(TimingLog, RefusesLogThatCannotBeOpenedOrWritten) {
    ScratchDir dir;
    std::filesystem::create_directory(dir / kTimingLogName);
    const std::string name = (dir / kTimingLogName).string();
    try {
        TimingLog log(name);
        FAIL() << "opened a directory for appending";
    } catch (const InputError& e) {
        EXPECT_EQ(std::string(e.what()), "Greska: ne mogu da otvorim datoteku " + name + " za dopisivanje.");
    }
    // A device takes no log line, and is refused before the run, not after.
    try {
        TimingLog full("/dev/full");
        FAIL() << "accepted a device as the log";
    } catch (const InputError& e) {
        EXPECT_EQ(std::string(e.what()), "Greska: /dev/full: to nije obicna datoteka nego uredjaj, u nju se ne dopisuje.");
    }
}

}  // namespace
