#include "signal_guard.h"

#include <cerrno>
#include <csignal>
#include <iterator>

namespace {

constexpr int kEndingSignals[] = {SIGHUP,  SIGINT,  SIGQUIT,   SIGTERM, SIGPIPE, SIGALRM,
                                  SIGUSR1, SIGUSR2, SIGVTALRM, SIGPROF, SIGXCPU};

// Read by the handler: set before a handler is installed, cleared after the
// last is removed.
void (*volatile undo_action)() = nullptr;
struct sigaction earlier[std::size(kEndingSignals)];
bool guarded[std::size(kEndingSignals)] = {};

extern "C" void undo_and_end(int signal_number) {
    if (undo_action != nullptr) undo_action();
    // Every signal is held while the handler runs: the one raised here is
    // delivered, with the default action, as soon as it returns.
    struct sigaction default_action {};
    default_action.sa_handler = SIG_DFL;
    sigemptyset(&default_action.sa_mask);
    ::sigaction(signal_number, &default_action, nullptr);
    ::raise(signal_number);
}

}  // namespace

SignalsHeld::SignalsHeld() {
    sigset_t all;
    sigfillset(&all);
    ::sigprocmask(SIG_BLOCK, &all, &saved_);
}

SignalsHeld::~SignalsHeld() {
    const int error = errno;
    ::sigprocmask(SIG_SETMASK, &saved_, nullptr);
    errno = error;
}

SignalGuard::SignalGuard(void (*undo)()) {
    undo_action = undo;
    struct sigaction action {};
    action.sa_handler = undo_and_end;
    sigfillset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
        guarded[i] = ::sigaction(kEndingSignals[i], nullptr, &earlier[i]) == 0 && earlier[i].sa_handler == SIG_DFL &&
                     (earlier[i].sa_flags & SA_SIGINFO) == 0 && ::sigaction(kEndingSignals[i], &action, nullptr) == 0;
    }
}

SignalGuard::~SignalGuard() {
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
        if (guarded[i]) ::sigaction(kEndingSignals[i], &earlier[i], nullptr);
        guarded[i] = false;
    }
    undo_action = nullptr;
}
