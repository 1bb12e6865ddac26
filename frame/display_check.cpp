#include "display_check.h"

#include "display_bound.h"
#include "input_error.h"

#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string_view>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// What the trial in the child process found, as the one byte it reports.
enum Verdict : char {
    kUsable = 'u',
    kNoConnection = 'c',
    kNoGlx = 'g',
    kNoVisual = 'v',
    kNoContext = 'x',
    kNoIndirectContext = 'i',
    kNoDirectContext = 'd',
};

// What the toolkit's own options ask of the display.
struct ToolkitOptions {
    std::string display;  // -display NAME; empty: DISPLAY
    bool direct = false;    // -direct: a direct context or none
    bool indirect = false;  // -indirect: an indirect context
};

Display* kept_connection = nullptr;

// A refused connection is tried this many times in all, this far apart:
// 2 s of the trial's kDisplayAnswerSeconds.
constexpr int kConnectionAttempts = 20;
constexpr useconds_t kConnectionRetryMicroseconds = 100000;

// Errors of the trial's requests only make the trial fail; Xlib's default
// handler would end the child with a message of its own.
bool trial_error = false;
int note_trial_error(Display*, XErrorEvent*) {
    trial_error = true;
    return 0;
}

void report(int fd, Verdict verdict) {
    const char byte = verdict;
    while (write(fd, &byte, 1) < 0 && errno == EINTR) {
    }
}

// The child: connects, asks for GLX, a visual like the window's (RGB, double
// buffer, depth) and a context on it of the kind the toolkit will create
// (direct unless -indirect), and reports. After a good report it holds its
// connection until the parent has its own (hold_fd ends). It never outlives
// the program.
[[noreturn]] void try_display(const char* name, const ToolkitOptions& options, int report_fd, int hold_fd) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // The graphics library's own messages (a driver it cannot load) stay out
    // of the program's output: the verdict says what failed.
    const int quiet = open("/dev/null", O_WRONLY);
    if (quiet >= 0) {
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
    }
    XSetErrorHandler(note_trial_error);
    // An X server whose last client has just left resets itself, and refuses
    // connections for that moment (a script that looks for the window on a
    // virtual server every tenth of a second makes it do so again and again):
    // a connection refused is tried again for a while.
    Display* display = XOpenDisplay(name);
    for (int attempt = 1; display == nullptr && attempt < kConnectionAttempts; ++attempt) {
        ::usleep(kConnectionRetryMicroseconds);
        display = XOpenDisplay(name);
    }
    if (display == nullptr) {
        report(report_fd, kNoConnection);
        _exit(0);
    }
    int error_base = 0;
    int event_base = 0;
    if (!glXQueryExtension(display, &error_base, &event_base)) {
        report(report_fd, kNoGlx);
        _exit(0);
    }
    int attributes[] = {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_DEPTH_SIZE, 1, None};
    XVisualInfo* visual = glXChooseVisual(display, DefaultScreen(display), attributes);
    if (visual == nullptr) {
        report(report_fd, kNoVisual);
        _exit(0);
    }
    GLXContext context = glXCreateContext(display, visual, nullptr, options.indirect ? False : True);
    XSync(display, False);
    if (context == nullptr || trial_error) {
        report(report_fd, options.indirect ? kNoIndirectContext : kNoContext);
        _exit(0);
    }
    if (options.direct && !glXIsDirect(display, context)) {
        report(report_fd, kNoDirectContext);
        _exit(0);
    }
    report(report_fd, kUsable);
    char ignored;
    while (read(hold_fd, &ignored, 1) != 0 && errno == EINTR) {
    }
    _exit(0);
}

// Waits for the child's one byte for at most kDisplayAnswerSeconds; 0 if
// none came (the child hangs on a display that never answers, or ended
// without a word).
char wait_for_verdict(int fd) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kDisplayAnswerSeconds);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return 0;
        pollfd ready{fd, POLLIN, 0};
        const int polled = poll(&ready, 1, static_cast<int>(left.count()));
        if (polled < 0 && errno == EINTR) continue;
        if (polled <= 0) return 0;
        char verdict = 0;
        const ssize_t got = read(fd, &verdict, 1);
        if (got < 0 && errno == EINTR) continue;
        return got == 1 ? verdict : 0;
    }
}

std::string why_not(char verdict, const std::string& shown_name) {
    switch (verdict) {
        case kNoConnection: return "veza sa ekranom '" + shown_name + "' nije uspela";
        case kNoGlx: return "ekran '" + shown_name + "' nema OpenGL (prosirenje GLX)";
        case kNoVisual:
            return "ekran '" + shown_name + "' nema OpenGL prikaz u boji sa dvostrukim baferom i baferom dubine";
        case kNoContext:
            return "OpenGL na ekranu '" + shown_name +
                   "' ne moze da se pokrene (nema upravljackog programa ili dovoljno memorije)";
        case kNoIndirectContext: return "ekran '" + shown_name + "' ne daje posredni OpenGL (opcija -indirect)";
        case kNoDirectContext: return "ekran '" + shown_name + "' ne daje neposredni OpenGL (opcija -direct)";
        default:
            return "ekran '" + shown_name + "' ne odgovara ni posle " + std::to_string(kDisplayAnswerSeconds) + " s";
    }
}

// The trial in a child process, bounded in time; on success the parent's
// own connection is open before the child lets go of its.
std::string try_in_child(const std::string& name, const ToolkitOptions& options) {
    const std::string shown_name = printable(name);
    int verdict_pipe[2];
    int hold_pipe[2];
    if (pipe2(verdict_pipe, O_CLOEXEC) != 0) return "provera ekrana '" + shown_name + "' nije mogla da se pokrene";
    if (pipe2(hold_pipe, O_CLOEXEC) != 0) {
        close(verdict_pipe[0]);
        close(verdict_pipe[1]);
        return "provera ekrana '" + shown_name + "' nije mogla da se pokrene";
    }
    std::fflush(nullptr);  // nothing buffered is written twice
    const pid_t child = fork();
    if (child == 0) {
        close(verdict_pipe[0]);
        close(hold_pipe[1]);
        try_display(name.c_str(), options, verdict_pipe[1], hold_pipe[0]);
    }
    close(verdict_pipe[1]);
    close(hold_pipe[0]);
    if (child < 0) {
        close(verdict_pipe[0]);
        close(hold_pipe[1]);
        return "provera ekrana '" + shown_name + "' nije mogla da se pokrene";
    }
    const char verdict = wait_for_verdict(verdict_pipe[0]);
    close(verdict_pipe[0]);
    if (verdict == kUsable) {
        // The display has just answered, but need not answer again.
        start_display_bound(shown_name);
        kept_connection = XOpenDisplay(name.c_str());
        if (kept_connection == nullptr) stop_display_bound();
    }
    close(hold_pipe[1]);
    if (verdict != kUsable) kill(child, SIGKILL);
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    if (verdict != kUsable) return why_not(verdict, shown_name);
    if (kept_connection == nullptr) return why_not(kNoConnection, shown_name);
    return "";
}

// The window toolkit's options as it reads them (freeglut's glutInit), or
// what is wrong with them: a value missing, a geometry that is none, two
// that exclude each other, an argument it does not know.
std::string read_toolkit_options(int argc, char** argv, ToolkitOptions& options) {
    constexpr const char* kExample = " (npr. 1024x700+100+50)";
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "-display" || option == "-geometry") {
            const bool display = option == "-display";
            if (i + 1 >= argc) {
                return display ? "posle opcije -display nedostaje ime ekrana"
                               : std::string("posle opcije -geometry nedostaje mera prozora") + kExample;
            }
            const char* value = argv[++i];
            int x = 0;
            int y = 0;
            unsigned width = 0;
            unsigned height = 0;
            if (display) {
                options.display = value;
            } else if (XParseGeometry(value, &x, &y, &width, &height) == NoValue) {
                return "vrednost opcije -geometry '" + printable(value) + "' nije mera prozora" + kExample;
            }
        } else if (option == "-direct" || option == "-indirect") {
            (option == "-direct" ? options.direct : options.indirect) = true;
            if (options.direct && options.indirect) return "opcije -direct i -indirect ne mogu zajedno";
        } else if (option != "-iconic" && option != "-gldebug" && option != "-sync") {
            return "nepoznat argument '" + printable(option) +
                   "'; prozor prima -display EKRAN, -geometry MERA, -iconic, -direct, -indirect, -gldebug i -sync";
        }
    }
    return "";
}

}  // namespace

std::string display_problem(int argc, char** argv) {
    ToolkitOptions options;
    if (std::string problem = read_toolkit_options(argc, argv, options); !problem.empty()) return problem;
    // The last -display counts, and an empty name means DISPLAY, as in Xlib.
    std::string name = options.display;
    if (name.empty()) {
        const char* variable = std::getenv("DISPLAY");
        if (variable == nullptr || *variable == '\0') return "promenljiva DISPLAY nije postavljena (nema ekrana)";
        name = variable;
    }
    return try_in_child(name, options);
}

_XDisplay* checked_display() { return kept_connection; }
