// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/session_end.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

namespace {

constexpr int endingSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};

int wakeUp[2] = {-1, -1};
std::function<void()> saveNow;
pthread_t mainThread;
enum { notYet, saving, saved };
std::atomic<int> progress{notYet};

// All a signal handler may safely do is wake the event loop.
void onEndingSignal(int number) {
    const int kept = errno;
    const auto byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(wakeUp[1], &byte, 1);
    errno = kept;
}

// A signal and the display going can both come, and an exit() can come from
// within the save itself.
void saveOnce() {
    int expected = notYet;
    if (!saveNow || !progress.compare_exchange_strong(expected, saving))
        return;
    saveNow();
    progress = saved;
}

// The toolkit calls exit() from the main thread's event handling when its
// display connection breaks: the window and the store are still whole then,
// and the main thread is between events, so never inside a write. An exit()
// from any other thread would race the main thread, so it saves nothing.
void onExit() {
    if (pthread_equal(pthread_self(), mainThread))
        saveOnce();
}

} // namespace

SessionEnd::SessionEnd(std::function<void()> save) {
    static const bool hooked = std::atexit(onExit) == 0;
    Q_UNUSED(hooked);
    mainThread = pthread_self();
    saveNow = std::move(save);
    if (::pipe2(wakeUp, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SessionEnd::onSignal);
    struct sigaction action {};
    action.sa_handler = onEndingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : endingSignals) {
        struct sigaction before {};
        // A signal ignored by whoever started us (nohup, a background job) stays ignored.
        if (sigaction(number, nullptr, &before) == 0 && before.sa_handler != SIG_IGN)
            sigaction(number, &action, nullptr);
    }
}

SessionEnd::~SessionEnd() {
    for (int number : endingSignals) {
        struct sigaction before {};
        if (sigaction(number, nullptr, &before) == 0 && before.sa_handler == onEndingSignal)
            std::signal(number, SIG_DFL);
    }
    saveNow = nullptr;
    delete notifier_;
    for (int &end : wakeUp) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
}

void SessionEnd::onSignal() {
    unsigned char number = 0;
    if (::read(wakeUp[0], &number, 1) != 1)
        return;
    saveOnce();
    std::fflush(nullptr);
    // Ends without unwinding: the save is done, and the dialogs open at this
    // moment would otherwise each run on.
    std::_Exit(128 + number);
}
