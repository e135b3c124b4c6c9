#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers

"""Kills the real program at a random moment of its writes, the end record of a
game or the shut-down batch, and checks that the store comes back sound with
the state from just before or just after that write.

Usage: crash_real_program.py <build-dir> [--runs N]
"""

import argparse
import os
import re
import sqlite3
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from x11 import Display  # noqa: E402

NAME = "Sam"
SUMS = 10
RECORD_START = f"You have scored 0/{SUMS}.\r\n\r\n"
DATE_TIME = r"\d\d/\d\d/\d\d \d\d:\d\d:\d\d"
# A check box's mnemonic clicks it only after a short animation.
MNEMONIC_CLICK_S = 0.2


class RealProgram:
    """One run of the program (its path, or a command that starts it), started
    and given a name at its prompt."""

    def __init__(self, x, program, env):
        self.x = x
        command = program if isinstance(program, list) else [program]
        self.process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        prompt = x.wait_for("Quorvel", dialog=True, timeout=60)
        x.keys(prompt, "ctrl+a")
        x.type(prompt, NAME)
        x.keys(prompt, "Return")
        x.wait_gone(prompt)
        self.main = x.wait_for("Quorvel", dialog=False)

    def play_to_score(self):
        """Ticks every table and answers every sum wrongly; returns the score box."""
        self.x.keys(self.main, "ctrl+o", "alt+a")
        time.sleep(MNEMONIC_CLICK_S)
        self.x.keys(self.main, "F2")
        for _ in range(SUMS):
            self.x.type(self.main, "0")
            self.x.keys(self.main, "Return")
        return self.x.wait_for("Quorvel", dialog=True, timeout=60)

    def set_choices(self, all_tables):
        """Every table ticked with the fast pace, or every table cleared with the slow."""
        self.x.keys(self.main, "ctrl+o", "alt+a" if all_tables else "alt+c",
                    "ctrl+f" if all_tables else "ctrl+s")
        time.sleep(MNEMONIC_CLICK_S)

    def exit(self):
        """Closes the main window, if still open, and waits for the end."""
        try:
            if self.process.poll() is None:
                self.x.keys(self.main, "ctrl+x")
        except subprocess.CalledProcessError:
            pass  # it was already closing
        self.process.wait(timeout=60)



def read_store(path):
    """(integrity, options, records) as the next start of the program would find them."""
    if not os.path.exists(path):
        return "ok", [], []
    store = sqlite3.connect(path)
    try:
        integrity = store.execute("PRAGMA integrity_check").fetchone()[0]
        rows = store.execute("SELECT section, key, value FROM settings ORDER BY id").fetchall()
    finally:
        store.close()
    options = [(key, value) for section, key, value in rows if section == "Options"]
    records = [(key, value) for section, key, value in rows if section == f"History\\{NAME}"]
    return integrity, options, records


def options_after(options, all_tables):
    """The options a shut-down writes after the tables were all ticked with the
    fast pace chosen, or all cleared with the slow pace."""
    stored = dict(options)
    written = [("LastPlayer", NAME), ("SlowSpeed", str(not all_tables)),
               ("MediumSpeed", "False"), ("FastSpeed", str(all_tables)),
               ("MaximumSums", stored.get("MaximumSums", str(SUMS)))]
    return written + [(f"Times {i}", "1" if all_tables else "0") for i in range(14)]


def watch_next_write(killer, store, program, max_delay_us):
    """Kills the program during its next write, or times that write when no delay is given."""
    mode = (["time"] if max_delay_us is None
            else ["kill", str(program.process.pid), str(max_delay_us)])
    watcher = subprocess.Popen([killer, store] + mode, stdout=subprocess.PIPE, text=True)
    assert watcher.stdout.readline().strip() == "armed"
    return watcher


def write_under_watch(program, kind, killer, store, max_delay_us, all_tables=True):
    """Makes the program write: a game's record, or the shut-down batch after a change."""
    if kind == "record":
        score = program.play_to_score()
        watcher = watch_next_write(killer, store, program, max_delay_us)
        program.x.keys(score, "Return")
    else:
        program.set_choices(all_tables)
        watcher = watch_next_write(killer, store, program, max_delay_us)
        program.x.keys(program.main, "ctrl+x")
    result = watcher.stdout.readline().strip()
    watcher.wait()
    return result


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build_dir")
    parser.add_argument("--runs", type=int, default=6)
    args = parser.parse_args()
    program_path = os.path.join(args.build_dir, "quorvel")
    killer = os.path.join(args.build_dir, "tests", "faults", "kill_during_write")
    outcomes = {"during": 0, "after": 0}
    new_states = 0

    with tempfile.TemporaryDirectory() as scratch, Display() as x:
        store = os.path.join(scratch, "config", "Quorvel", "settings.sqlite")
        env = dict(x.env, XDG_CONFIG_HOME=os.path.join(scratch, "config"),
                   XDG_RUNTIME_DIR=scratch, QT_QPA_PLATFORM="xcb")

        # One unkilled write of each kind, to learn how long they take here.
        run = RealProgram(x, program_path, env)
        window = {kind: int(write_under_watch(run, kind, killer, store, None))
                  for kind in ("record", "shutdown")}
        run.exit()

        for number in range(args.runs):
            kind = "record" if number % 2 == 0 else "shutdown"
            integrity, options, records = read_store(store)
            run = RealProgram(x, program_path, env)
            # Unchanged values are not written at all, so every run changes them.
            all_tables = dict(options).get("Times 0") != "1"
            outcome = write_under_watch(run, kind, killer, store, window[kind] * 5 // 4,
                                        all_tables)
            run.exit()
            assert outcome in outcomes, f"run {number}: no {kind} write was seen ({outcome})"
            outcomes[outcome] += 1

            integrity, after_options, after_records = read_store(store)
            assert integrity == "ok", f"run {number} ({kind}): {integrity}"
            if kind == "record":
                new = after_records[:-1] == records and len(after_records) == len(records) + 1
                assert new or after_records == records, f"run {number}: records mixed"
                assert not new or (re.fullmatch(DATE_TIME, after_records[-1][0])
                                   and after_records[-1][1].startswith(RECORD_START))
                assert after_options == options, f"run {number}: options changed"
            else:
                new = after_options == options_after(options, all_tables)
                assert new or after_options == options, f"run {number}: options mixed"
                assert after_records == records, f"run {number}: records changed"
            new_states += new

    runs = args.runs
    print(f"real program: {runs} runs killed at random moments of its writes "
          f"(unkilled: record {window['record']} us, shut-down batch {window['shutdown']} us): "
          f"{outcomes['during']} during the write, {outcomes['after']} just after; store sound "
          f"every time, {new_states} with the new state, {runs - new_states} with the old")


if __name__ == "__main__":
    main()
