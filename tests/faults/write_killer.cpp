// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "write_killer.h"

#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

using namespace std::chrono;

WriteKiller::WriteKiller(const QString &storePath)
    : journalName_(QFileInfo(storePath).fileName() + QStringLiteral("-journal")),
      fd_(inotify_init1(IN_CLOEXEC)) {
    const QByteArray folder = QFile::encodeName(QFileInfo(storePath).absolutePath());
    watch_ = inotify_add_watch(fd_, folder.constData(), IN_CREATE | IN_MODIFY | IN_DELETE);
}

WriteKiller::~WriteKiller() {
    close(fd_);
}

WriteKiller::Event WriteKiller::nextEvent(milliseconds timeout) {
    const auto deadline = steady_clock::now() + timeout;
    while (pending_.empty()) {
        const auto left = duration_cast<milliseconds>(deadline - steady_clock::now());
        pollfd ready{fd_, POLLIN, 0};
        if (watch_ < 0 || left.count() < 0)
            return Event::None;
        const int polled = poll(&ready, 1, int(left.count()));
        if (polled < 0 && errno == EINTR) // a child ending
            continue;
        if (polled <= 0)
            return Event::None;
        alignas(inotify_event) char buffer[8192];
        const ssize_t size = read(fd_, buffer, sizeof buffer);
        for (ssize_t at = 0; at < size;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            if (event->len > 0 && QFile::decodeName(event->name) == journalName_)
                pending_.push_back((event->mask & IN_DELETE) ? Event::Deleted : Event::Written);
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    const Event event = pending_.front();
    pending_.pop_front();
    return event;
}

WriteKiller::Outcome WriteKiller::killDuringNextWrite(pid_t pid, microseconds maxDelay,
                                                      std::mt19937 &random) {
    if (!writeBegins())
        return Outcome::NoWrite;
    std::uniform_int_distribution<long> delay(0, maxDelay.count());
    std::this_thread::sleep_for(microseconds(delay(random)));
    // A pidfd turns readable when the process has ended, child or not.
    const int process = int(syscall(SYS_pidfd_open, pid, 0));
    kill(pid, SIGKILL);
    pollfd ended{process, POLLIN, 0};
    while (process >= 0 && poll(&ended, 1, -1) < 0 && errno == EINTR) {
    }
    close(process);
    // Now that it is dead, a deletion in the queue means the write had completed.
    for (Event event = nextEvent(milliseconds(0)); event != Event::None;
         event = nextEvent(milliseconds(0))) {
        if (event == Event::Deleted)
            return Outcome::AfterWrite;
    }
    return Outcome::DuringWrite;
}

bool WriteKiller::writeBegins() {
    return nextEvent(timeout_) == Event::Written;
}

microseconds WriteKiller::timeNextWrite() {
    if (!writeBegins())
        return microseconds(0);
    const auto start = steady_clock::now();
    Event event = Event::Written;
    while (event == Event::Written)
        event = nextEvent(timeout_);
    if (event != Event::Deleted)
        return microseconds(0);
    return duration_cast<microseconds>(steady_clock::now() - start);
}
