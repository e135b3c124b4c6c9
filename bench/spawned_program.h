// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

// Starting the real program from a benchmark: with a settings folder of the
// benchmark's own, on the X display, and ended without a chance to write.

#include <QByteArray>
#include <QString>

#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <signal.h>
#include <spawn.h>
#include <sstream>
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

inline double schedstatMs(const std::string &path) {
    std::ifstream schedstat(path);
    double ns = 0;
    schedstat >> ns;
    return ns / 1e6;
}

// The time the program's main thread, where its windows are made and drawn,
// has run on a processor: a busy machine does not stretch it as it does the
// time on the clock.
inline double cpuMs(pid_t pid) {
    return schedstatMs("/proc/" + std::to_string(pid) + "/schedstat");
}

// The time all of a process's threads have run on a processor.
inline double processCpuMs(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task/";
    double ms = 0;
    if (DIR *folder = opendir(tasks.c_str())) {
        while (const dirent *task = readdir(folder)) {
            if (task->d_name[0] != '.')
                ms += schedstatMs(tasks + task->d_name + "/schedstat");
        }
        closedir(folder);
    }
    return ms;
}

// The page faults the process has taken that needed no reading from disk.
inline long minorFaults(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    // minflt is the tenth field; the second, the program's name, may hold spaces.
    std::istringstream fields(line.substr(line.rfind(')') + 1));
    std::string field;
    for (int number = 3; number <= 10; ++number)
        fields >> field;
    return std::atol(field.c_str());
}
