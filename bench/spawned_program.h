// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

// Starting the real program from a benchmark: with a settings folder of the
// benchmark's own, on the X display, and ended without a chance to write.

#include <QByteArray>
#include <QString>

#include <cstdlib>
#include <fstream>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char **environ;

// This process's environment, with the settings and runtime folders moved to `home`.
class ProgramEnvironment {
  public:
    explicit ProgramEnvironment(const QString &home)
        : config_("XDG_CONFIG_HOME=" + home.toLocal8Bit()),
          runtime_("XDG_RUNTIME_DIR=" + home.toLocal8Bit()) {
        for (char **variable = environ; *variable; ++variable) {
            const std::string text(*variable);
            if (text.rfind("XDG_CONFIG_HOME=", 0) != 0 && text.rfind("XDG_RUNTIME_DIR=", 0) != 0 &&
                text.rfind("QT_QPA_PLATFORM=", 0) != 0)
                variables_.push_back(*variable);
        }
        variables_.push_back(config_.data());
        variables_.push_back(runtime_.data());
        variables_.push_back(const_cast<char *>("QT_QPA_PLATFORM=xcb"));
        variables_.push_back(nullptr);
    }

    // 0 when it could not be started.
    pid_t start(const char *program) {
        char *argv[] = {const_cast<char *>(program), nullptr};
        pid_t pid = 0;
        return posix_spawn(&pid, program, nullptr, nullptr, argv, variables_.data()) == 0 ? pid : 0;
    }

  private:
    QByteArray config_;
    QByteArray runtime_;
    std::vector<char *> variables_;
};

inline void killProgram(pid_t pid) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

inline double rssMiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024.0;
    }
    return 0;
}

// The time the program's main thread, where its windows are made and drawn,
// has run on a processor: a busy machine does not stretch it as it does the
// time on the clock.
inline double cpuMs(pid_t pid) {
    std::ifstream schedstat("/proc/" + std::to_string(pid) + "/schedstat");
    double ns = 0;
    schedstat >> ns;
    return ns / 1e6;
}
