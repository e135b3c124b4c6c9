// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

// Watches an X server for a program's windows being mapped and drawn, and
// types on its keyboard as a player would (XTest).

#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <poll.h>
#include <set>
#include <sys/socket.h>
#include <time.h>

inline double nowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
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
    Screen(const Screen &) = delete;
    Screen &operator=(const Screen &) = delete;

    bool ok() const { return !xcb_connection_has_error(connection_); }

    // The X server's process, when it runs on this machine; 0 otherwise.
    pid_t serverPid() const {
        ucred peer{};
        socklen_t size = sizeof peer;
        return getsockopt(xcb_get_file_descriptor(connection_), SOL_SOCKET, SO_PEERCRED, &peer,
                          &size) == 0
                   ? peer.pid
                   : 0;
    }

    // The dialog window drawn first from now on; nothing when the server goes
    // away or nothing is drawn within the time.
    std::optional<xcb_window_t> waitForDrawnDialog(double timeoutMs = 10000) {
        std::optional<xcb_window_t> drawn;
        pump(timeoutMs, [&](xcb_window_t damaged) {
            if (mapped_.count(damaged) && isDialog(damaged))
                drawn = damaged;
            return drawn.has_value();
        });
        return drawn;
    }

    bool waitForUnmapped(xcb_window_t window, double timeoutMs = 10000) {
        return pump(timeoutMs, [&](xcb_window_t) { return !mapped_.count(window); }) ||
               !mapped_.count(window);
    }

    // Keeps up with the server for a while, as a player would take to look.
    void idle(double ms) {
        pump(ms, [](xcb_window_t) { return false; });
    }

    // The time (nowMs) the window is next drawn over an area at least
    // `minWidth` pixels wide, taken as the server's report of it arrives: the
    // server's own time stamps count whole milliseconds. Nothing when that
    // does not come within the time. Needs watchEveryDrawing.
    std::optional<double> waitForDrawing(xcb_window_t window, int minWidth, double timeoutMs) {
        std::optional<double> drawnAt;
        pump(timeoutMs, [&](xcb_window_t damaged) {
            if (damaged == window && lastDamage_.damage == everyDrawing_ &&
                lastDamage_.area.width >= minWidth)
                drawnAt = lastDamageArrived_;
            return drawnAt.has_value();
        });
        return drawnAt;
    }

    // Reports every drawing on the window from now on, not only its first.
    void watchEveryDrawing(xcb_window_t window) {
        everyDrawing_ = xcb_generate_id(connection_);
        xcb_damage_create(connection_, everyDrawing_, window,
                          XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        xcb_flush(connection_);
    }

    // The window mapped last that is not a dialog: a program's main window.
    xcb_window_t mainWindow() const { return mainWindow_; }

    void focus(xcb_window_t window) {
        xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME);
        xcb_flush(connection_);
    }

    // Presses and releases the key, with Ctrl held when asked.
    void press(xcb_keysym_t key, bool control = false) {
        const xcb_keycode_t ctrl = keycode(0xffe3); // Control_L
        if (control)
            fake(XCB_KEY_PRESS, ctrl);
        fake(XCB_KEY_PRESS, keycode(key));
        fake(XCB_KEY_RELEASE, keycode(key));
        if (control)
            fake(XCB_KEY_RELEASE, ctrl);
        xcb_flush(connection_);
    }

  private:
    // Handles events until `done` says so (given each damaged window) or the
    // time is up; false then.
    template <typename Done> bool pump(double timeoutMs, Done done) {
        const double deadline = nowMs() + timeoutMs;
        while (true) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(connection_)) {
                const std::unique_ptr<xcb_generic_event_t, decltype(&free)> owned(event, free);
                if (const std::optional<xcb_window_t> damaged = handle(event); damaged) {
                    if (done(*damaged))
                        return true;
                } else if (done(XCB_NONE)) {
                    return true;
                }
            }
            const double left = deadline - nowMs();
            if (left <= 0 || !ok())
                return false;
            pollfd wait{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&wait, 1, int(left) + 1);
        }
    }

    // Keeps track of windows; the window when the event says it was drawn.
    std::optional<xcb_window_t> handle(xcb_generic_event_t *event) {
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            // Watch from creation: a window can be drawn as soon as it is mapped.
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
            xcb_damage_create(connection_, xcb_generate_id(connection_), created->window,
                              XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(connection_);
        } else if (type == XCB_MAP_NOTIFY) {
            const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t *>(event)->window;
            mapped_.insert(window);
            if (!isDialog(window))
                mainWindow_ = window;
        } else if (type == XCB_UNMAP_NOTIFY) {
            mapped_.erase(reinterpret_cast<xcb_unmap_notify_event_t *>(event)->window);
        } else if (type == damageEvent_ + XCB_DAMAGE_NOTIFY) {
            lastDamage_ = *reinterpret_cast<xcb_damage_notify_event_t *>(event);
            lastDamageArrived_ = nowMs();
            return lastDamage_.drawable;
        }
        return std::nullopt;
    }

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

    xcb_keycode_t keycode(xcb_keysym_t keysym) {
        const xcb_setup_t *setup = xcb_get_setup(connection_);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        xcb_get_keyboard_mapping_reply_t *map = xcb_get_keyboard_mapping_reply(
            connection_, xcb_get_keyboard_mapping(connection_, setup->min_keycode, uint8_t(count)),
            nullptr);
        xcb_keycode_t found = 0;
        if (map) {
            const xcb_keysym_t *syms = xcb_get_keyboard_mapping_keysyms(map);
            for (int i = 0; i < count * map->keysyms_per_keycode && !found; ++i) {
                if (syms[i] == keysym)
                    found = xcb_keycode_t(setup->min_keycode + i / map->keysyms_per_keycode);
            }
        }
        free(map);
        return found;
    }

    void fake(uint8_t type, xcb_keycode_t key) {
        xcb_test_fake_input(connection_, type, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    }

    xcb_connection_t *connection_;
    xcb_window_t root_ = 0;
    uint8_t damageEvent_ = 0;
    xcb_atom_t windowType_ = XCB_ATOM_NONE;
    xcb_atom_t dialogType_ = XCB_ATOM_NONE;
    std::set<xcb_window_t> mapped_;
    xcb_window_t mainWindow_ = XCB_NONE;
    xcb_damage_damage_t everyDrawing_ = XCB_NONE;
    xcb_damage_notify_event_t lastDamage_{};
    double lastDamageArrived_ = 0;
};
