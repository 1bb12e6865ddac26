// What a program puts right when a signal ends it (a terminal line cleared,
// a half-written file removed), and the moments no signal may cut in two.
#pragma once

#include <signal.h>

// Holds back every signal that can be held for its lifetime; one that comes
// meanwhile is delivered when it ends. errno is kept across the end.
class SignalsHeld {
public:
    SignalsHeld();
    ~SignalsHeld();
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    sigset_t saved_;
};

// While it lives, each signal that ends a process by default (SIGHUP,
// SIGINT, SIGQUIT, SIGTERM, SIGPIPE, SIGALRM, SIGUSR1, SIGUSR2, SIGVTALRM,
// SIGPROF, SIGXCPU) first calls undo, then ends the process by the same
// signal with its default action, so that the exit status still names it.
// undo runs in a signal handler: only async-signal-safe calls. A signal
// that is ignored (nohup, a background job of a script) or has a handler of
// someone else's is left as it is. One guard at a time in a process.
class SignalGuard {
public:
    explicit SignalGuard(void (*undo)());
    ~SignalGuard();  // the actions from before it are back
    SignalGuard(const SignalGuard&) = delete;
    SignalGuard& operator=(const SignalGuard&) = delete;
};
