# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers

"""A private X display under Xvfb, and the few things a player does on it."""

import os
import re
import select
import subprocess
import threading
import time


class Display:
    """Starts its own Xvfb on a free display number and stops it on exit."""

    def __init__(self, size="1280x1024x24"):
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", size, "-nolisten", "tcp"],
            pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        # The server writes the number and the newline separately and dies if
        # the pipe is closed in between, so read up to the newline.
        answer = b""
        try:
            while not answer.endswith(b"\n"):
                ready = select.select([read_end], [], [], 10)[0]
                chunk = os.read(read_end, 16) if ready else b""
                if not chunk:
                    self.server.kill()
                    self.server.wait()
                    raise RuntimeError("Xvfb did not start")
                answer += chunk
        finally:
            os.close(read_end)
        self.env = dict(os.environ, DISPLAY=":" + answer.decode().strip())
        self._hold_open()

    def _hold_open(self):
        """The server resets, refusing connections for a moment, whenever its last
        client has gone: a program starting just as a window look-up ends would
        find no display. A client that stays connected prevents that."""
        self._holder = subprocess.Popen(["xprop", "-root", "-spy"], env=self.env,
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        if not select.select([self._holder.stdout], [], [], 10)[0]:
            self.__exit__()
            raise RuntimeError("Xvfb took no client")
        # Its reports are drained so that it never blocks.
        threading.Thread(target=self._holder.stdout.read, daemon=True).start()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self._holder.kill()
        self._holder.wait()
        self.server.terminate()
        self.server.wait()

    def _run(self, *command, check=True):
        return subprocess.run(command, env=self.env, check=check, text=True,
                              capture_output=True).stdout.strip()

    def _visible(self, title):
        # xdotool answers "none found" with exit status 1.
        found = self._run("xdotool", "search", "--onlyvisible", "--name", title, check=False)
        return found.split()

    def is_dialog(self, window):
        kind = self._run("xprop", "-id", window, "_NET_WM_WINDOW_TYPE", check=False)
        return "_NET_WM_WINDOW_TYPE_DIALOG" in kind

    def wait_for(self, title, dialog, timeout=10):
        """The id of a shown window whose whole title matches the pattern."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for window in self._visible(f"^{title}$"):
                if self.is_dialog(window) == dialog:
                    return window
            time.sleep(0.05)
        kind = "dialog" if dialog else "window"
        raise AssertionError(f"no {kind} titled /{title}/ within {timeout} s")

    def wait_gone(self, window, timeout=10):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            state = self._run("xwininfo", "-id", window, check=False)
            if "IsViewable" not in state:
                return
            time.sleep(0.05)
        raise AssertionError(f"window {window} still shown after {timeout} s")

    def icon_sizes(self, window, timeout=10):
        """The sizes of the icon the window gives the window manager, once it gives one."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            icon = self._run("xprop", "-id", window, "_NET_WM_ICON", check=False)
            sizes = [(int(w), int(h)) for w, h in re.findall(r"Icon \((\d+) x (\d+)\)", icon)]
            if sizes:
                return sizes
            time.sleep(0.05)
        raise AssertionError(f"window {window} gave no icon within {timeout} s")

    def title(self, window):
        return self._run("xdotool", "getwindowname", window)

    def size(self, window):
        geometry = self._run("xdotool", "getwindowgeometry", "--shell", window)
        values = dict(re.findall(r"(\w+)=(\d+)", geometry))
        return int(values["WIDTH"]), int(values["HEIGHT"])

    def keys(self, window, *keys):
        self._run("xdotool", "windowfocus", "--sync", window)
        self._run("xdotool", "key", "--clearmodifiers", *keys)

    def type(self, window, text):
        self._run("xdotool", "windowfocus", "--sync", window)
        self._run("xdotool", "type", "--delay", "20", text)

    def screenshot(self, window, path):
        self._run("import", "-window", window, path)
