// The hull programs in a real window on a virtual X server: size and place of
// the window, the log line written before it opens, every point and the hull
// outline where the camera puts them (before and after a resize, or after
// growing past what the renderer holds), the keys that step and zoom and
// bring the opening picture back, the end of the program however the window
// goes, and the programs' own words for a display that cannot be used.
//
//   tests/window/with_xvfb.sh -screen 0 1280x1024x24 -- window_tests [gtest options] PROGRAM LABEL
//     (LABEL: "n^3" or "n*logn"). The suites *UnderWindowManager need a
//     window manager, WithoutGlx a server run with "-extension GLX".
#include "file_names.h"
#include "program_run.h"
#include "support/scratch_dir.h"
#include "virtual_display.h"
#include "window_expectations.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr const char* kTitle = "Geometrija - prikaz zadatka";
// Time limits only bound how long a failing case waits; a passing case goes
// on as soon as what it waits for is there.
constexpr auto kWindowTimeout = 60s;
constexpr auto kPictureTimeout = 20s;
constexpr auto kExitTimeout = 20s;

std::string program_path;
std::string label_stem;
VirtualDisplay* display = nullptr;

// One X server for the whole run, started by with_xvfb.sh; its screen has room
// for the window at (100, 50) in both sizes the tests give it.
class DisplayEnvironment : public testing::Environment {
public:
    void SetUp() override { server_ = std::make_unique<VirtualDisplay>(); display = server_.get(); }
    void TearDown() override { display = nullptr; server_.reset(); }

private:
    std::unique_ptr<VirtualDisplay> server_;
};

void write_point_file(const fs::path& folder, const ShownScene& scene) {
    std::ofstream out(folder / kPointFileName);
    out << scene.points.size() << " 1\n";
    out.precision(9);  // every float written exactly
    for (const Point& p : scene.points) out << p.x << " " << p.y << "\n";
}

// A timing-log line for the label: "LABEL: S sekundi M milisekundi" with the
// log's padding (label to 8 characters, seconds to 3, milliseconds to 5).
bool is_log_line(const std::string& text, const std::string& label) {
    if (text.rfind(label, 0) != 0 || text.empty() || text.back() != '\n') return false;
    long seconds = -1;
    long milliseconds = -1;
    int consumed = -1;
    const std::string rest = text.substr(label.size());
    std::sscanf(rest.c_str(), " : %ld sekundi %ld milisekundi\n%n", &seconds, &milliseconds, &consumed);
    return seconds >= 0 && milliseconds >= 0 && milliseconds < 1000 &&
           consumed == static_cast<int>(rest.size());
}

struct NamedScene {
    const char* name;
    ShownScene scene;
};

// 484 points 100000 units from the origin in a square of 300: a
// quadrilateral around a grid, as a data set of city coordinates might be.
ShownScene far_away_set() {
    const std::vector<Point> corners{{100000, 50000}, {100300, 50010}, {100290, 50300}, {100005, 50295}};
    ShownScene scene{corners, corners};
    for (int i = 0; i < 20; ++i)
        for (int j = 0; j < 24; ++j) scene.points.push_back({100020.0f + 13 * i, 50030.0f + 10 * j});
    return scene;
}

void PrintTo(const NamedScene& scene, std::ostream* out) { *out << scene.name; }

const NamedScene kScenes[] = {
    {"NearOrigin",
     {{{10, 10}, {290, 20}, {280, 270}, {30, 290}, {150, 150}, {100, 200}, {200, 100}, {60, 40}, {250, 240}, {150, 20}},
      {{10, 10}, {290, 20}, {280, 270}, {30, 290}}}},
    {"FarFromOrigin",
     {{{10000, 10000}, {10300, 10050}, {10250, 10300}, {10020, 10280}, {10150, 10150}},
      {{10000, 10000}, {10300, 10050}, {10250, 10300}, {10020, 10280}}}},
    {"NegativeCoordinates",
     {{{-300, -200}, {-50, -250}, {-20, -30}, {-280, -10}, {-150, -120}},
      {{-300, -200}, {-50, -250}, {-20, -30}, {-280, -10}}}},
    {"WideAndFlat",
     {{{0, 0}, {1000, 0}, {1000, 10}, {0, 10}, {500, 5}, {250, 3}, {750, 8}}, {{0, 0}, {1000, 0}, {1000, 10}, {0, 10}}}},
    {"OnOneLine", {{{0, 0}, {100, 100}, {200, 200}, {300, 300}}, {{0, 0}, {300, 300}}}},
    {"SinglePoint", {{{150, 150}}, {{150, 150}}}},
    {"NearTheLargestFloats",
     {{{-3.4e38f, -3e38f}, {3e38f, -3.4e38f}, {3.4e38f, 3e38f}, {-3e38f, 3.4e38f}, {0, 0}, {1e38f, -1e38f}},
      {{-3.4e38f, -3e38f}, {3e38f, -3.4e38f}, {3.4e38f, 3e38f}, {-3e38f, 3.4e38f}}}},
    {"NoPoints", {{}, {}}},
    {"FarFromTheStartCorners", far_away_set()},
    // Small sets far out: 1280 float steps across, and 8.
    {"TenUnitsAt100000",
     {{{1e5f, 1e5f}, {100010, 1e5f}, {100010, 100010}, {1e5f, 100010}, {100004, 100006}},
      {{1e5f, 1e5f}, {100010, 1e5f}, {100010, 100010}, {1e5f, 100010}}}},
    {"EightFloatStepsAt100000",
     {{{1e5f, 1e5f}, {100000.0625f, 1e5f}, {100000.0625f, 100000.0625f}, {1e5f, 100000.0625f}},
      {{1e5f, 1e5f}, {100000.0625f, 1e5f}, {100000.0625f, 100000.0625f}, {1e5f, 100000.0625f}}}},
};

// A program run on a scene, up to its window.
class WindowUnderTest {
public:
    explicit WindowUnderTest(const ShownScene& scene, const std::string& display_name = display->name(),
                             const std::vector<std::string>& arguments = {},
                             const std::function<void()>& in_child = {})
        : scene_(scene) {
        write_point_file(folder_.path(), scene);
        run_ = std::make_unique<ProgramRun>(program_path, folder_.path(), display_name, in_child, arguments);
    }

    ProgramRun& run() { return *run_; }
    std::string log() const { return folder_.read(kTimingLogName); }
    std::string errors() const { return folder_.read("stderr.txt"); }

    // Waits for the window while the program computes; kNoWindow if it never shows.
    WindowId wait_for_window() {
        const auto deadline = std::chrono::steady_clock::now() + kWindowTimeout;
        while (std::chrono::steady_clock::now() < deadline && run_->running()) {
            if (const WindowId w = display->find_window(kTitle); w != kNoWindow) return w;
            std::this_thread::sleep_for(20ms);
        }
        return kNoWindow;
    }

    // The window once it shows the scene at 1024 x 700; kNoWindow if it never does.
    WindowId wait_until_shown() {
        const WindowId window = wait_for_window();
        EXPECT_NE(window, kNoWindow) << "no window; standard error:\n" << errors();
        if (window != kNoWindow) {
            EXPECT_TRUE(wait_for_picture(window, 1024, 700).empty());
        }
        return window;
    }

    // Polls the window until it shows the scene at width x height; the
    // problems of the last picture seen if it never does.
    std::vector<std::string> wait_for_picture(WindowId window, int width, int height) {
        std::vector<std::string> problems{"no picture of the window could be taken"};
        const auto deadline = std::chrono::steady_clock::now() + kPictureTimeout;
        while (std::chrono::steady_clock::now() < deadline && run_->running()) {
            if (const auto picture = display->grab(window)) {
                if (picture->width != width || picture->height != height) {
                    problems = {"the window is " + std::to_string(picture->width) + "x" +
                                std::to_string(picture->height)};
                } else {
                    problems = picture_problems(*picture, scene_);
                    if (problems.empty()) break;
                }
            }
            std::this_thread::sleep_for(50ms);
        }
        return problems;
    }

private:
    const ShownScene& scene_;
    ScratchDir folder_;
    std::unique_ptr<ProgramRun> run_;
};

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "  " + line + "\n";
    return text;
}

class ProgramWindow : public testing::TestWithParam<NamedScene> {};

TEST_P(ProgramWindow, ShowsThePointsAndTheHullInEverySizeAndClosesCleanly) {
    const ShownScene& scene = GetParam().scene;
    WindowUnderTest under_test(scene);
    const WindowId window = under_test.wait_for_window();
    ASSERT_NE(window, kNoWindow) << "no window; exit status " << under_test.run().exit_status()
                                 << ", standard error:\n" << under_test.errors();

    // The timing line is appended before the window opens.
    const std::string label = label_stem + "(n=" + std::to_string(scene.points.size()) + ")";
    EXPECT_TRUE(is_log_line(under_test.log(), label)) << "statistika.out holds: [" << under_test.log() << "]";

    const auto geometry = display->geometry(window);
    ASSERT_TRUE(geometry.has_value());
    EXPECT_EQ(geometry->x, 100);
    EXPECT_EQ(geometry->y, 50);
    EXPECT_EQ(geometry->width, 1024);
    EXPECT_EQ(geometry->height, 700);

    std::vector<std::string> problems = under_test.wait_for_picture(window, 1024, 700);
    EXPECT_TRUE(problems.empty()) << "at 1024x700:\n" << joined(problems);

    // A tall, narrow window: the camera is framed anew for it.
    display->resize(window, 600, 900);
    problems = under_test.wait_for_picture(window, 600, 900);
    EXPECT_TRUE(problems.empty()) << "at 600x900:\n" << joined(problems);

    display->request_close(window);
    ASSERT_TRUE(under_test.run().wait_for_exit(kExitTimeout)) << "the program did not end when its window closed";
    EXPECT_TRUE(under_test.run().exited_normally()) << "ended by signal " << under_test.run().signal_number();
    EXPECT_EQ(under_test.run().exit_status(), 0);
    EXPECT_EQ(under_test.errors(), "");
}

INSTANTIATE_TEST_SUITE_P(Scenes, ProgramWindow, testing::ValuesIn(kScenes),
                         [](const testing::TestParamInfo<NamedScene>& info) { return std::string(info.param.name); });

// --- Looking closer and stepping ------------------------------------------

// A step (s), a zoom (+, a wheel notch) change the picture; the end (e) and
// the opening framing (0) bring back the very picture the window opened
// with, which is the default one.
TEST(WindowKeys, StepsAndZoomReturnToTheOpeningPicture) {
    WindowUnderTest under_test(kScenes[0].scene);
    const WindowId window = under_test.wait_until_shown();
    ASSERT_NE(window, kNoWindow);
    const std::optional<Picture> opening = display->grab(window);
    ASSERT_TRUE(opening.has_value());
    const std::string id = std::to_string(window);
    const struct {
        std::vector<std::string> xdotool;
        bool opening_again;
    } presses[] = {
        {{"key", "--window", id, "s"}, false},
        {{"key", "--window", id, "s"}, false},
        {{"key", "--window", id, "e"}, true},
        {{"key", "--window", id, "plus"}, false},
        {{"key", "--window", id, "0"}, true},
        {{"mousemove", "--window", id, "300", "200", "click", "4"}, false},
        {{"key", "--window", id, "0"}, true},
    };
    for (const auto& press : presses) {
        launch::Command xdotool;
        xdotool.program = "xdotool";
        xdotool.arguments = press.xdotool;
        const launch::Result pressed = launch::run(xdotool, kExitTimeout);
        ASSERT_TRUE(pressed.in_time && pressed.ending.exited && pressed.ending.status == 0) << press.xdotool[3];
        bool same = !press.opening_again;
        const auto deadline = std::chrono::steady_clock::now() + kPictureTimeout;
        while (same != press.opening_again && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(50ms);
            const std::optional<Picture> now = display->grab(window);
            same = now && now->rgb == opening->rgb;
        }
        EXPECT_EQ(same, press.opening_again) << "after " << press.xdotool.back();
    }
    display->request_close(window);
    ASSERT_TRUE(under_test.run().wait_for_exit(kExitTimeout));
    EXPECT_EQ(under_test.run().exit_status(), 0);
    EXPECT_EQ(under_test.errors(), "");
}

// --- The end of the program however the window goes ----------------------

struct WindowEnd {
    const char* name;
    void (*take_away)(ProgramRun&, WindowId);
    int signal;          // the signal that ends the program; 0: it exits
    int status;          // its exit status then
    const char* errors;  // what it says on standard error; %s stands for the display
    // Started with the standard descriptors closed and the graphics
    // library's messages asked for (LIBGL_DEBUG=verbose).
    bool without_standard_descriptors = false;
};

const char* const kLost =
    "Greska: veza sa ekranom '%s' je prekinuta (X server je zavrsio rad ili je drugi program, npr. xkill, "
    "zatvorio vezu); prozor vise ne postoji.\n";

const WindowEnd kEnds[] = {
    {"ClosedByProtocol", [](ProgramRun&, WindowId w) { display->request_close(w); }, 0, 0, ""},
    {"DestroyedByAnotherClient", [](ProgramRun&, WindowId w) { display->destroy(w); }, 0, 0, ""},
    {"ConnectionClosed", [](ProgramRun&, WindowId w) { display->kill_client(w); }, 0, 3, kLost},
    {"Terminated", [](ProgramRun& run, WindowId) { run.terminate(); }, SIGTERM, -1, ""},
    // The server stopped (let go on once the program has ended).
    {"DisplayStopsAnswering", [](ProgramRun&, WindowId) { kill(display->server_pid(), SIGSTOP); }, 0, 1,
     "Greska: ekran '%s' ne odgovara ni posle 10 s; prozor je napusten.\n"},
    {"ClosedWithoutStandardDescriptors", [](ProgramRun&, WindowId w) { display->request_close(w); }, 0, 0, "", true},
};

void expect_end(const WindowEnd& end) {
    const std::function<void()> no_descriptors = [] {
        for (const int fd : {0, 1, 2}) close(fd);
    };
    if (end.without_standard_descriptors) setenv("LIBGL_DEBUG", "verbose", 1);
    WindowUnderTest under_test(kScenes[0].scene, display->name(), {},
                               end.without_standard_descriptors ? no_descriptors : std::function<void()>{});
    unsetenv("LIBGL_DEBUG");
    const WindowId window = under_test.wait_until_shown();
    ASSERT_NE(window, kNoWindow);
    end.take_away(under_test.run(), window);
    const bool ended = under_test.run().wait_for_exit(kExitTimeout);
    kill(display->server_pid(), SIGCONT);
    ASSERT_TRUE(ended) << "the program runs on without its window";
    EXPECT_EQ(under_test.run().signal_number(), end.signal);
    EXPECT_EQ(under_test.run().exit_status(), end.status);
    char errors[512];
    std::snprintf(errors, sizeof errors, end.errors, display->name().c_str());
    EXPECT_EQ(under_test.errors(), errors);
}

class WindowEnds : public testing::TestWithParam<WindowEnd> {};
TEST_P(WindowEnds, TheProgram) { expect_end(GetParam()); }

// The same under a window manager, which puts the window into a frame.
class WindowEndsUnderWindowManager : public testing::TestWithParam<WindowEnd> {};
TEST_P(WindowEndsUnderWindowManager, TheProgram) {
    const auto deadline = std::chrono::steady_clock::now() + kWindowTimeout;
    while (!display->managed() && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(20ms);
    ASSERT_TRUE(display->managed()) << "no window manager on the display";
    expect_end(GetParam());
}

const auto kEndName = [](const testing::TestParamInfo<WindowEnd>& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Ways, WindowEnds, testing::ValuesIn(kEnds), kEndName);
INSTANTIATE_TEST_SUITE_P(Ways, WindowEndsUnderWindowManager, testing::ValuesIn(kEnds), kEndName);

// Asked for more than the renderer can hold (its viewport limit is 16384 and
// 16384 x 16384 takes 2.2 GB), the window shrinks back to the bound and
// draws the scene again when it is brought back.
class OversizedWindow : public testing::TestWithParam<int> {};

TEST_P(OversizedWindow, ShrinksBackInBoundedMemoryAndStillShowsTheScene) {
    const int asked = GetParam();
    WindowUnderTest under_test(kScenes[0].scene);
    const WindowId window = under_test.wait_until_shown();
    ASSERT_NE(window, kNoWindow);
    display->resize(window, asked, asked);
    const auto deadline = std::chrono::steady_clock::now() + kPictureTimeout;
    std::optional<WindowGeometry> size;
    while (under_test.run().running() && std::chrono::steady_clock::now() < deadline) {
        size = display->geometry(window);
        if (size && size->width < asked && size->width > 1024) break;
        std::this_thread::sleep_for(50ms);
    }
    ASSERT_TRUE(under_test.run().running()) << "ended by signal " << under_test.run().signal_number();
    ASSERT_TRUE(size.has_value());
    EXPECT_LE(static_cast<long long>(size->width) * size->height, 4096LL * 4096LL)
        << "still " << size->width << "x" << size->height;

    display->resize(window, 1024, 700);
    const std::vector<std::string> problems = under_test.wait_for_picture(window, 1024, 700);
    EXPECT_TRUE(problems.empty()) << "back at 1024x700:\n" << joined(problems);
    display->request_close(window);
    ASSERT_TRUE(under_test.run().wait_for_exit(kExitTimeout));
    EXPECT_EQ(under_test.run().exit_status(), 0);
    EXPECT_LT(under_test.run().peak_memory_kb(), 1024L * 1024L) << "KB at the peak";
}

INSTANTIATE_TEST_SUITE_P(Sizes, OversizedWindow, testing::Values(32767, 16384));

// --- A display that cannot be used -----------------------------------------

// A display that accepts connections and never answers, as a stale forwarded
// one does: a listening socket in the abstract namespace, where Xlib looks
// first for ":N". Given relayed connections, it answers the first ones,
// passing them on to the test's display (open to every client, for they
// bring no cookie for this name), and then no more. Closed, its name is free.
class SilentDisplay {
public:
    explicit SilentDisplay(int relayed = 0) {
        for (int number = 4000 + getpid() % 1000; name.empty(); ++number) {
            const Address address = x_socket(number);
            if (bind(fd_, reinterpret_cast<const sockaddr*>(&address.name), address.length) == 0 && listen(fd_, 8) == 0)
                name = ":" + std::to_string(number);
        }
        if (relayed == 0) return;
        display->open_to_every_client();
        if (pipe2(stop_, O_CLOEXEC) != 0) throw std::runtime_error("pipe2");
        relay_ = std::thread([this, relayed] { relay(relayed); });
    }
    ~SilentDisplay() {
        if (relay_.joinable()) {
            close(stop_[1]);
            relay_.join();
            close(stop_[0]);
        }
        close(fd_);
    }
    std::string name;

private:
    struct Address {
        sockaddr_un name{AF_UNIX, {}};
        socklen_t length = 0;
    };
    static Address x_socket(int number) {
        Address address;
        const int length =
            std::snprintf(address.name.sun_path + 1, sizeof address.name.sun_path - 1, "/tmp/.X11-unix/X%d", number);
        address.length = static_cast<socklen_t>(sizeof(sa_family_t) + 1 + length);
        return address;
    }

    void relay(int relayed) {
        std::vector<int> ends;  // pairs: a client, then its connection to the real display
        std::vector<int> silent;
        const int real = std::atoi(display->name().c_str() + 1);
        for (;;) {
            std::vector<pollfd> ready{{stop_[0], POLLIN, 0}, {fd_, POLLIN, 0}};
            for (const int end : ends) ready.push_back({end, POLLIN, 0});
            poll(ready.data(), ready.size(), -1);
            if (ready[0].revents != 0) break;
            if (ready[1].revents != 0) {
                const int client = accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
                if (relayed-- <= 0) {
                    silent.push_back(client);
                    continue;
                }
                const int server = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
                const Address address = x_socket(real);
                connect(server, reinterpret_cast<const sockaddr*>(&address.name), address.length);
                ends.insert(ends.end(), {client, server});
            }
            std::vector<int> open;
            for (std::size_t i = 2; i < ready.size(); i += 2) {
                bool ended = false;
                for (const std::size_t from : {i, i + 1}) {
                    if (ready[from].revents == 0) continue;
                    char bytes[65536];
                    const ssize_t got = read(ready[from].fd, bytes, sizeof bytes);
                    const int to = ready[from ^ 1].fd;
                    ended = ended || got <= 0 || write(to, bytes, static_cast<std::size_t>(got)) != got;
                }
                if (ended) {
                    close(ready[i].fd);
                    close(ready[i + 1].fd);
                } else {
                    open.insert(open.end(), {ready[i].fd, ready[i + 1].fd});
                }
            }
            ends = open;
        }
        for (const int fd : ends) close(fd);
        for (const int fd : silent) close(fd);
    }

    int fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int stop_[2] = {-1, -1};
    std::thread relay_;
};

// The program computes, appends its line, then names what is wrong with the
// display and ends with status 1, without the toolkit's or the graphics
// library's own messages.
void expect_refused(const std::string& display_name, const std::vector<std::string>& arguments,
                    const std::string& why) {
    WindowUnderTest under_test(kScenes[0].scene, display_name, arguments);
    ASSERT_TRUE(under_test.run().wait_for_exit(kWindowTimeout)) << "still waiting for the display";
    EXPECT_EQ(under_test.run().exit_status(), 1);
    EXPECT_EQ(under_test.errors(), "Greska: prozor ne moze da se otvori: " + why +
                                       ".\nRed sa merenjem je upisan u datoteku statistika.out.\n"
                                       "Sliku prozora bez ekrana daje " HULL_SNAPSHOT_SCRIPT " PROGRAM SLIKA.png.\n");
    EXPECT_TRUE(is_log_line(under_test.log(), label_stem + "(n=10)")) << under_test.log();
}

TEST(UnusableDisplay, NamedInTheProgramsOwnWords) {
    std::string absent;
    for (const int relayed : {0, 1}) {
        // Silent from the start, or once the trial has found it usable.
        SilentDisplay silent(relayed);
        expect_refused(silent.name, {}, "ekran '" + silent.name + "' ne odgovara ni posle 10 s");
        absent = silent.name;
    }
    // -display on the command line is the display the toolkit would use.
    expect_refused(display->name(), {"-display", absent}, "veza sa ekranom '" + absent + "' nije uspela");
    expect_refused(display->name(), {"-display"}, "posle opcije -display nedostaje ime ekrana");
    // The toolkit's whole command line is read as the toolkit reads it.
    const std::string here = display->name();
    expect_refused(here, {"-geometry", "-display", here},
                   "vrednost opcije -geometry '-display' nije mera prozora (npr. 1024x700+100+50)");
    expect_refused(here, {"-display", here, "-geometry"},
                   "posle opcije -geometry nedostaje mera prozora (npr. 1024x700+100+50)");
    expect_refused(here, {"-iconic", "-x"},
                   "nepoznat argument '-x'; prozor prima -display EKRAN, -geometry MERA, -iconic, -direct, -indirect, "
                   "-gldebug i -sync");
    expect_refused(here, {"-direct", "-indirect"}, "opcije -direct i -indirect ne mogu zajedno");
    // The virtual server gives no indirect context.
    expect_refused(here, {"-display", here, "-indirect"},
                   "ekran '" + here + "' ne daje posredni OpenGL (opcija -indirect)");
}

// The trial of a display that never answers ends with the program, however
// the program ends.
TEST(UnusableDisplay, TheTrialNeverOutlivesTheProgram) {
    SilentDisplay silent;
    WindowUnderTest under_test(kScenes[0].scene, silent.name);
    const pid_t program = under_test.run().pid();
    const std::string children = "/proc/" + std::to_string(program) + "/task/" + std::to_string(program) + "/children";
    pid_t trial = 0;
    const auto deadline = std::chrono::steady_clock::now() + kWindowTimeout;
    while (trial == 0 && under_test.run().running() && std::chrono::steady_clock::now() < deadline) {
        std::ifstream(children) >> trial;
        std::this_thread::sleep_for(20ms);
    }
    ASSERT_NE(trial, 0) << "no trial started";
    under_test.run().send(SIGKILL);
    ASSERT_TRUE(under_test.run().wait_for_exit(kExitTimeout));
    // Gone, or a zombie waiting for its new parent.
    const auto alive = [trial] {
        std::string state;
        std::ifstream stat("/proc/" + std::to_string(trial) + "/stat");
        std::getline(stat, state, ')');
        return stat >> state && state != "Z";
    };
    const auto bound = std::chrono::steady_clock::now() + kExitTimeout;
    while (alive() && std::chrono::steady_clock::now() < bound) std::this_thread::sleep_for(20ms);
    EXPECT_FALSE(alive()) << "the trial " << trial << " outlived the program";
}

TEST(WithoutGlx, TheDisplayIsNamedAsOneWithoutOpenGL) {
    expect_refused(display->name(), {}, "ekran '" + display->name() + "' nema OpenGL (prosirenje GLX)");
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Usage: %s [gtest options] PROGRAM LABEL\n", argv[0]);
        return 2;
    }
    program_path = fs::absolute(argv[1]).string();  // the program runs in a folder of its own
    label_stem = argv[2];
    testing::AddGlobalTestEnvironment(new DisplayEnvironment);
    return RUN_ALL_TESTS();
}
