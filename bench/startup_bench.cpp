// Start-up to the name prompt on screen, side by side with a floor program:
// each run starts a program and waits on the X server until a dialog window of
// it has been drawn, then reads the program's memory (RSS) and ends it.
//
// Usage: startup_bench <program> <floor program> [runs]   (needs an X display)
#include "bench/figures.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <set>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <time.h>
#include <vector>

extern char **environ;

namespace {

double nowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double rssMiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024.0;
    }
    return 0;
}

class Screen {
  public:
    Screen() : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_))
            return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &events);
        free(xcb_damage_query_version_reply(connection_,
                                            xcb_damage_query_version(connection_, 1, 1), nullptr));
        damageEvent_ = xcb_get_extension_data(connection_, &xcb_damage_id)->first_event;
        windowType_ = atom("_NET_WM_WINDOW_TYPE");
        dialogType_ = atom("_NET_WM_WINDOW_TYPE_DIALOG");
        xcb_flush(connection_);
    }
    ~Screen() { xcb_disconnect(connection_); }

    bool ok() const { return !xcb_connection_has_error(connection_); }

    // Waits until a dialog window is mapped and drawn; false when the server goes away.
    bool waitForDrawnDialog() {
        std::set<xcb_window_t> mapped;
        while (xcb_generic_event_t *event = xcb_wait_for_event(connection_)) {
            const std::unique_ptr<xcb_generic_event_t, decltype(&free)> owned(event, free);
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                // Watch from creation: a window can be drawn as soon as it is mapped.
                const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
                xcb_damage_create(connection_, xcb_generate_id(connection_), created->window,
                                  XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(connection_);
            } else if (type == XCB_MAP_NOTIFY) {
                mapped.insert(reinterpret_cast<xcb_map_notify_event_t *>(event)->window);
            } else if (type == damageEvent_ + XCB_DAMAGE_NOTIFY) {
                const xcb_window_t drawn =
                    reinterpret_cast<xcb_damage_notify_event_t *>(event)->drawable;
                if (mapped.count(drawn) && isDialog(drawn))
                    return true;
            }
        }
        return false;
    }

  private:
    xcb_atom_t atom(const char *name) {
        const auto cookie = xcb_intern_atom(connection_, 0, uint16_t(strlen(name)), name);
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection_, cookie, nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return atom;
    }

    bool isDialog(xcb_window_t window) {
        const auto cookie =
            xcb_get_property(connection_, 0, window, windowType_, XCB_ATOM_ATOM, 0, 16);
        xcb_get_property_reply_t *reply = xcb_get_property_reply(connection_, cookie, nullptr);
        bool dialog = false;
        if (reply) {
            const auto *types = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
            for (int i = 0; i < xcb_get_property_value_length(reply) / 4; ++i)
                dialog = dialog || types[i] == dialogType_;
        }
        free(reply);
        return dialog;
    }

    xcb_connection_t *connection_;
    xcb_window_t root_ = 0;
    uint8_t damageEvent_ = 0;
    xcb_atom_t windowType_ = XCB_ATOM_NONE;
    xcb_atom_t dialogType_ = XCB_ATOM_NONE;
};

struct Sample {
    double ms;
    double mib;
};

// One start of `program` up to its prompt on screen.
bool measure(Screen &screen, const char *program, const std::vector<char *> &env, Sample &sample) {
    char *argv[] = {const_cast<char *>(program), nullptr};
    pid_t pid = 0;
    const double start = nowMs();
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, env.data()) != 0)
        return false;
    const bool drawn = screen.waitForDrawnDialog();
    sample = {nowMs() - start, rssMiB(pid)};
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return drawn;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench <program> <floor program> [runs]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 15;
    // A settings folder of its own, kept across runs as a player's would be.
    QTemporaryDir home;
    const QByteArray config = "XDG_CONFIG_HOME=" + home.path().toLocal8Bit();
    const QByteArray runtime = "XDG_RUNTIME_DIR=" + home.path().toLocal8Bit();
    std::vector<char *> env;
    for (char **variable = environ; *variable; ++variable) {
        const std::string text(*variable);
        if (text.rfind("XDG_CONFIG_HOME=", 0) != 0 && text.rfind("XDG_RUNTIME_DIR=", 0) != 0 &&
            text.rfind("QT_QPA_PLATFORM=", 0) != 0)
            env.push_back(*variable);
    }
    env.push_back(const_cast<char *>(config.constData()));
    env.push_back(const_cast<char *>(runtime.constData()));
    env.push_back(const_cast<char *>("QT_QPA_PLATFORM=xcb"));
    env.push_back(nullptr);

    // One connection throughout: the server would reset each time its last client left.
    Screen screen;
    if (!screen.ok()) {
        std::fprintf(stderr, "startup_bench: no X display\n");
        return 1;
    }
    const char *programs[] = {argv[1], argv[2]};
    std::vector<double> ms[2], mib[2];
    Sample sample{};
    // One unmeasured start each fills the caches and makes the program's store.
    for (int run = -1; run < runs; ++run) {
        for (int which = 0; which < 2; ++which) {
            if (!measure(screen, programs[which], env, sample)) {
                std::fprintf(stderr, "%s: no prompt on screen\n", programs[which]);
                return 1;
            }
            if (run >= 0) {
                ms[which].push_back(sample.ms);
                mib[which].push_back(sample.mib);
            }
        }
    }

    const double time[] = {median(ms[0]), median(ms[1])};
    const double memory[] = {median(mib[0]), median(mib[1])};
    std::printf("Start-up to the name prompt on screen (X server, %d runs each, medians):\n", runs);
    std::printf("  %-44s %8.1f ms %7.1f MiB\n", "the program", time[0], memory[0]);
    std::printf("  %-44s %8.1f ms %7.1f MiB\n", "floor: main window, menu bar, input prompt",
                time[1], memory[1]);
    printFigure("start-up time, program / floor", time[0] / time[1], "x", 1.3);
    printFigure("memory at the prompt, program - floor", memory[0] - memory[1], "MiB", 10);
    return 0;
}
