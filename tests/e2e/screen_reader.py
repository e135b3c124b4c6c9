# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers

"""Debian's screen reader, Orca, on a private display, D-Bus session and
accessibility bus, speaking through speech-dispatcher's dummy output on a null
sound device; what it says is read back from its debug log."""

import os
import re
import select
import subprocess
import time

SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)' ?(?:voice=\S+ ?)?\{[^\n]*\}\n", re.S)

# Orca as its own launcher starts it, less the launcher's refusal to start
# beside another Orca of the same user: tests run side by side, each with
# its own buses.
ORCA = """
import sys
from orca import debug
debug.debugLevel = debug.LEVEL_ALL
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(sys.argv[1], "w", buffering=1)  # line by line, as spoken
from orca import orca
manager = orca.getSettingsManager()
manager.activate(None, {})
sys.path.insert(0, manager.getPrefsDir())
sys.exit(orca.main())
"""

SPEECHD_CONF = """\
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
AudioOutputMethod "alsa"
LogLevel 1
"""


class ScreenReader:
    def __init__(self, display, scratch, lang):
        home = os.path.join(scratch, "home")
        os.makedirs(os.path.join(home, ".config", "speech-dispatcher"), exist_ok=True)
        with open(os.path.join(home, ".asoundrc"), "w") as asound:
            asound.write("pcm.!default { type null }\nctl.!default { type hw card 0 }\n")
        speechd_dir = os.path.join(home, "speechd")
        os.makedirs(speechd_dir, exist_ok=True)
        with open(os.path.join(speechd_dir, "speechd.conf"), "w") as conf:
            conf.write(SPEECHD_CONF)
        socket = os.path.join(scratch, "speechd.sock")
        self.env = dict(display.env, HOME=home, XDG_RUNTIME_DIR=scratch,
                        XDG_CONFIG_HOME=os.path.join(home, ".config"),
                        XDG_DATA_HOME=os.path.join(home, ".local", "share"),
                        XDG_CACHE_HOME=os.path.join(home, ".cache"),
                        SPEECHD_ADDRESS="unix_socket:" + socket, LANG=lang,
                        NO_AT_BRIDGE="0", GTK_MODULES="")
        for overriding in ("LANGUAGE", "LC_ALL", "LC_MESSAGES", "DBUS_SESSION_BUS_ADDRESS"):
            self.env.pop(overriding, None)
        self._processes = []
        try:
            bus = self._start(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                              stdout=subprocess.PIPE)
            if not select.select([bus.stdout], [], [], 10)[0]:
                raise RuntimeError("the D-Bus session did not start")
            self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
            self._start(["openbox", "--sm-disable"])
            self._start(["speech-dispatcher", "--run-single", "--timeout", "0",
                         "--config-dir", speechd_dir, "--communication-method", "unix_socket",
                         "--socket-path", socket])
            self._wait_until(lambda: os.path.exists(socket), "speech-dispatcher did not start")
            self.log_path = os.path.join(scratch, "orca.log")
            self._start(["/usr/bin/python3", "-c", ORCA, self.log_path])
            self._read = 0
            self._unread = ""
            self._next = 0
            self.spoken = []
            self.wait_for(r"Screen reader on\..*", timeout=60)
        except BaseException:
            self.__exit__()
            raise

    @staticmethod
    def _wait_until(condition, failure, timeout=20):
        deadline = time.monotonic() + timeout
        while not condition():
            if time.monotonic() > deadline:
                raise RuntimeError(failure)
            time.sleep(0.05)

    def _start(self, command, stdout=subprocess.DEVNULL):
        process = subprocess.Popen(command, env=self.env, stdout=stdout,
                                   stderr=subprocess.DEVNULL)
        self._processes.append(process)
        return process

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        for process in reversed(self._processes):
            process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()

    def _hear(self):
        """Reads what was spoken since the last call; an utterance may span lines."""
        try:
            with open(self.log_path, "rb") as log:
                log.seek(self._read)
                data = log.read()
        except FileNotFoundError:
            return
        # A line still being written is read again next time.
        complete = data.rfind(b"\n") + 1
        self._read += complete
        self._unread += data[:complete].decode("utf-8", errors="replace")
        end = 0
        for match in SPEECH.finditer(self._unread):
            self.spoken.append(match.group(1))
            end = match.end()
        pending = self._unread.find("SPEECH OUTPUT: '", end)
        self._unread = self._unread[pending:] if pending >= 0 else ""

    def catch_up(self, quiet=0.3, timeout=5):
        """Waits until Orca has been idle a moment, as a player listens before the next key.
        A window that opens while Orca still works through the last one's events may go
        unread: a key released meanwhile makes Orca take it as already presented."""
        deadline = time.monotonic() + timeout
        size, since = -1, time.monotonic()
        while time.monotonic() < deadline:
            now_size = os.path.getsize(self.log_path)
            if now_size != size:
                size, since = now_size, time.monotonic()
            elif time.monotonic() - since >= quiet:
                return
            time.sleep(0.05)

    def wait_for(self, pattern, timeout=15):
        """The match of the first utterance, from those not yet waited on, that
        matches the pattern whole."""
        deadline = time.monotonic() + timeout
        while True:
            self._hear()
            while self._next < len(self.spoken):
                utterance = self.spoken[self._next]
                self._next += 1
                match = re.fullmatch(pattern, utterance, re.S)
                if match:
                    return match
            if time.monotonic() > deadline:
                raise AssertionError(f"not spoken within {timeout} s: /{pattern}/")
            time.sleep(0.05)
