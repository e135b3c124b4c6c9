#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers

"""The real program ended the ways a session ends it, and started on stores it
cannot use: what the player chose is saved, and nothing stored is overwritten;
a store that cannot be used is told at start-up, and a save that fails at exit
is told, with the exit status saying so.

Usage: session_end.py <build-dir>
"""

import os
import signal
import sqlite3
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from crash_real_program import NAME, SUMS, RealProgram, options_after, read_store  # noqa: E402
from x11 import Display  # noqa: E402

# How the session ends it, and when.
ENDINGS = [("SIGTERM", "prompt"), ("SIGTERM", "game"), ("SIGINT", "game"),
           ("SIGHUP", "game"), ("SIGQUIT", "game"), ("display", "game"), ("SIGTERM", "score"),
           ("display", "score")]
UNREADABLE = "Your settings cannot be read, so they will not be saved this time."


def seed(build_dir, store):
    """A store holding the slow pace and no table ticked, as the program writes it."""
    writer = subprocess.run([os.path.join(build_dir, "tests", "faults", "store_writer"), store,
                             NAME], input="state 1\nexit\n", text=True, capture_output=True,
                            env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), check=True)
    assert writer.stdout.split() == ["ready", "ok", "ok"], writer.stdout
    return read_store(store)[1]


def end_session(program_path, env, x, how, when):
    """Ends the program; returns the seconds from the ending to the process's end."""
    if when == "prompt":
        process = subprocess.Popen([program_path], env=env, stderr=subprocess.DEVNULL)
        x.wait_for("Quorvel", dialog=True, timeout=60)
    else:
        run = RealProgram(x, program_path, env)
        run.set_choices(all_tables=True)
        x.keys(run.main, "F2")
        if when == "score":
            for _ in range(SUMS):
                x.type(run.main, "0")
                x.keys(run.main, "Return")
            x.wait_for("Quorvel", dialog=True, timeout=60)
        else:
            time.sleep(0.3)
        process = run.process
    start = time.monotonic()
    if how == "display":
        x.server.kill()
    else:
        process.send_signal(getattr(signal, how))
    status = process.wait(timeout=20)
    took = time.monotonic() - start
    expected = 1 if how == "display" else 128 + getattr(signal, how)
    assert status == expected, f"{how} at the {when}: status {status}"
    return took


def in_own_mounts(program_path, setup):
    """The program started in a mount namespace of its own, after the shell
    commands `setup`, so what they mount is seen by it alone."""
    return ["unshare", "--mount", "--propagation", "private", "sh", "-ec",
            setup + '\nexec "$0"', program_path]


def can_mount_privately(folder):
    probe = in_own_mounts("true", f"mount --bind '{folder}' '{folder}'")
    return subprocess.run(probe, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0


def start_on(command, env, x, store, hold):
    """Starts on a store that cannot be used, is told so once, plays the way to
    the end, and returns the seconds to the prompt and from Ctrl+X to the end."""
    start = time.monotonic()
    process = subprocess.Popen(command, env=env, stderr=subprocess.DEVNULL)
    prompt = x.wait_for("Quorvel", dialog=True, timeout=60)
    to_prompt = time.monotonic() - start
    x.keys(prompt, "ctrl+a")
    x.type(prompt, NAME)
    x.keys(prompt, "Return")
    x.wait_gone(prompt)
    told = x.wait_for("Quorvel", dialog=True)
    x.keys(told, "Return")
    main = x.wait_for("Quorvel", dialog=False)
    if hold:
        hold.rollback()
    x.keys(main, "ctrl+o", "alt+a")
    start = time.monotonic()
    x.keys(main, "ctrl+x")
    status = process.wait(timeout=20)
    assert status == 1, f"exit status {status} with nothing saved"
    return to_prompt, time.monotonic() - start


def full_at_exit(command, env, x, filler):
    """Starts on a sound store, fills its disk, and checks that Ctrl+X tells that
    the settings could not be saved and ends with a failure."""
    run = RealProgram(x, command, env)
    run.set_choices(all_tables=True)
    with open(filler.format(pid=run.process.pid), "wb") as disk:
        try:
            while True:
                disk.write(b"x" * 65536)
                disk.flush()
        except OSError:
            pass
    x.keys(run.main, "ctrl+x")
    told = x.wait_for("Quorvel", dialog=True)
    x.keys(told, "Return")
    status = run.process.wait(timeout=20)
    assert status == 1, f"exit status {status} with the settings not saved"


def stored_count_plays(build_dir, program_path, env, store):
    """A count of sums chosen in an earlier run is the count of a game started
    at once, without opening the options, and stays stored after it."""
    seed(build_dir, store)
    with sqlite3.connect(store) as db:
        db.execute("UPDATE settings SET value = '15' WHERE key = 'MaximumSums'")
        db.execute("UPDATE settings SET value = '1' WHERE key = 'Times 0'")
    with Display() as x:
        run = RealProgram(x, program_path, dict(x.env, **env))
        x.keys(run.main, "F2")
        for _ in range(15):
            x.type(run.main, "0")
            x.keys(run.main, "Return")
        x.keys(x.wait_for("Quorvel", dialog=True, timeout=60), "Return")
        run.exit()
    options, records = read_store(store)[1:]
    assert records[-1][1].startswith("You have scored 0/15."), records[-1]
    assert ("MaximumSums", "15") in options, options


def unusable_stores(build_dir, program_path, env, scratch, store):
    """A store of another program through a link, one on a read-only mount, and
    a disk that fills before the exit: told, and nothing of theirs written; no
    store is left. False when no mounts could be made here, so only the first
    was tried."""
    folder = os.path.dirname(store)
    other = os.path.join(scratch, "other.db")
    foreign = sqlite3.connect(other)
    foreign.execute("CREATE TABLE bookmarks (url TEXT)")
    foreign.commit()
    foreign.close()
    with open(other, "rb") as file:
        before = file.read()
    os.symlink(other, store)
    with Display() as x:
        start_on([program_path], dict(x.env, **env), x, store, None)
    with open(other, "rb") as file:
        assert file.read() == before, "another program's database was written to"
    assert os.path.islink(store), "the link to another program's database was moved"
    os.remove(store)

    if not can_mount_privately(folder):
        # A package build's chroot, for one, allows no mounts.
        return False
    seed(build_dir, store)
    with open(store, "rb") as file:
        before = file.read()
    read_only = in_own_mounts(program_path, f"mount --bind '{folder}' '{folder}'\n"
                                            f"mount -o remount,bind,ro '{folder}'")
    with Display() as x:
        start_on(read_only, dict(x.env, **env), x, store, None)
    with open(store, "rb") as file:
        assert file.read() == before, "a read-only store was changed"

    small = in_own_mounts(program_path, f"cp '{store}' '{scratch}/seeded'\n"
                                        f"mount -t tmpfs -o size=256k tmpfs '{folder}'\n"
                                        f"cp '{scratch}/seeded' '{store}'")
    with Display() as x:
        full_at_exit(small, dict(x.env, **env), x, "/proc/{pid}/root" + folder + "/filler")
    os.remove(store)
    return True


def main():
    build_dir = sys.argv[1]
    program_path = os.path.join(build_dir, "quorvel")
    figures = []
    with tempfile.TemporaryDirectory() as scratch:
        store = os.path.join(scratch, "config", "Quorvel", "settings.sqlite")
        env = dict(XDG_CONFIG_HOME=os.path.join(scratch, "config"), XDG_RUNTIME_DIR=scratch,
                   QT_QPA_PLATFORM="xcb", LANGUAGE="en", LC_ALL="C.UTF-8")

        for how, when in ENDINGS:
            seeded = seed(build_dir, store)
            records = read_store(store)[2]
            with Display() as x:
                try:
                    took = end_session(program_path, dict(x.env, **env), x, how, when)
                except AssertionError as error:
                    raise AssertionError(f"{how} at the {when}: {error}") from error
            integrity, options, after = read_store(store)
            wanted = seeded if when == "prompt" else options_after(seeded, all_tables=True)
            # A game whose score is showing is finished: its record is kept.
            kept = after[:len(records)] == records and len(after) - len(records) == (when == "score")
            assert integrity == "ok" and kept, f"{how} at the {when}: {after}"
            assert options == wanted, f"{how} at the {when}: {options}"
            figures.append(took)

        seed(build_dir, store)
        seeded = read_store(store)[1]
        lock = sqlite3.connect(store, isolation_level=None)
        lock.execute("BEGIN EXCLUSIVE")
        with Display() as x:
            locked = start_on([program_path], dict(x.env, **env), x, store, lock)
        lock.close()
        assert read_store(store)[1] == seeded, "a locked store's options were overwritten"

        os.remove(store)
        os.mkfifo(store)
        with Display() as x:
            fifo = start_on([program_path], dict(x.env, **env), x, store, None)
        assert not os.path.isfile(store)
        os.remove(store)

        mounted = unusable_stores(build_dir, program_path, env, scratch, store)
        stored_count_plays(build_dir, program_path, env, store)

    print(f"real program ended {len(ENDINGS)} ways (SIGTERM at the prompt; SIGTERM, SIGINT, "
          f"SIGHUP, SIGQUIT and the display lost during a game; SIGTERM and the display lost "
          f"with the score showing): options saved, the shown game's record kept, "
          f"ending to exit at most {max(figures) * 1000:.0f} ms; store locked at start-up: "
          f"prompt after {locked[0]:.2f} s, exit {locked[1] * 1000:.0f} ms, options kept; FIFO "
          f"in its place: prompt after {fifo[0]:.2f} s, exit {fifo[1] * 1000:.0f} ms; another "
          f"program's database linked in its place"
          f"{', a read-only mount and a disk full at exit' if mounted else ''}: told, exit "
          f"status 1, nothing of theirs written"
          f"{'' if mounted else ' (no mounts can be made here: the read-only and full stores were not tried)'}"
          f"; a stored count of 15 sums played without opening the options")


if __name__ == "__main__":
    main()
