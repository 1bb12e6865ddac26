#include "display_bound.h"

#include "display_check.h"
#include "input_error.h"
#include "snapshot_hint.h"

#include <GL/freeglut.h>
#include <X11/Xlib.h>

#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include <sys/time.h>
#include <unistd.h>

namespace {

enum Phase : int { kOpening = 0, kOpen = 1, kEnded = 2 };
volatile std::sig_atomic_t phase = kEnded;
// A stop of the whole program (Ctrl-Z, SIGSTOP) lets the timer run out
// without the display being at fault: the first expiry only gives the
// display one more second to answer, and any answer clears it.
volatile std::sig_atomic_t warned = 0;
// Time the program spends computing (a picture of a large scene on a slow
// machine) is no wait on the display: an expiry after at least a second of
// processor time since the last answer only starts the count anew.
constexpr long long kBusyMilliseconds = 1000;
volatile long long busy_at_answer = 0;

long long processor_milliseconds() {
    timespec used{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return static_cast<long long>(used.tv_sec) * 1000 + used.tv_nsec / 1000000;
}

// Written whole by the handlers, so made before the bound starts.
std::string silent_text[2];
std::string lost_text[2];

void arm(int seconds) {
    itimerval timer{};
    timer.it_value.tv_sec = seconds;
    ::setitimer(ITIMER_REAL, &timer, nullptr);
}

void say(const std::string& text) {
    const ssize_t ignored = ::write(STDERR_FILENO, text.data(), text.size());
    (void)ignored;
}

extern "C" void on_silence(int) {
    if (phase == kEnded) return;
    const long long busy = processor_milliseconds();
    if (busy - busy_at_answer >= kBusyMilliseconds) {
        busy_at_answer = busy;
        warned = 0;
        arm(kDisplayAnswerSeconds);
        return;
    }
    if (warned == 0) {
        warned = 1;
        arm(1);
        return;
    }
    say(silent_text[phase]);
    ::_exit(EXIT_FAILURE);
}

int on_connection_lost(Display*) {
    if (phase != kEnded) say(lost_text[phase]);
    std::_Exit(phase == kOpen ? kLostDisplayStatus : phase == kOpening ? EXIT_FAILURE : EXIT_SUCCESS);
}

// freeglut's fatal errors (a context it cannot create, a display it cannot
// open) come here instead of its own words on standard error.
void on_toolkit_error(const char* format, va_list arguments) {
    char text[512];
    std::vsnprintf(text, sizeof text, format, arguments);
    const std::string why = "biblioteka prozora (GLUT) javlja: " + printable(text);
    say(phase == kOpening ? no_window_message(why) : "Greska: " + why + ".\n");
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

void start_display_bound(const std::string& shown_name) {
    const std::string silent =
        "ekran '" + shown_name + "' ne odgovara ni posle " + std::to_string(kDisplayAnswerSeconds) + " s";
    silent_text[kOpening] = no_window_message(silent);
    silent_text[kOpen] = "Greska: " + silent + "; prozor je napusten.\n";
    lost_text[kOpening] = no_window_message("veza sa ekranom '" + shown_name + "' je prekinuta");
    lost_text[kOpen] = "Greska: veza sa ekranom '" + shown_name +
                       "' je prekinuta (X server je zavrsio rad ili je drugi program, npr. xkill, zatvorio "
                       "vezu); prozor vise ne postoji.\n";
    phase = kOpening;
    struct sigaction action {};
    action.sa_handler = on_silence;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGALRM, &action, nullptr);
    XSetIOErrorHandler(on_connection_lost);
    glutInitErrorFunc(on_toolkit_error);
    display_answered();
}

void display_answered() {
    warned = 0;
    busy_at_answer = processor_milliseconds();
    arm(kDisplayAnswerSeconds);
}

void window_opened() {
    phase = kOpen;
    // The toolkit sets a handler of its own when it connects.
    XSetIOErrorHandler(on_connection_lost);
}

void stop_display_bound() {
    phase = kEnded;
    arm(0);
    ::signal(SIGALRM, SIG_DFL);
}
