#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers

"""Plays a game of ten sums at the fast pace by ear, with Debian's screen reader
Orca: every sum is read from what Orca says, and every outcome and the score
must be heard.

Usage: hear_a_game.py <build-dir> [--lang LOCALE]
Exits with 77 (skipped) when Orca is not installed.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from play_a_game import Texts, title_pattern
from screen_reader import ScreenReader
from x11 import Display

NAME = "Mia"
SUMS = 10
WRONG, LATE = 2, 3  # the sums answered wrongly and let run out of time; the rest right


def pattern(text):
    """A translated text with its %1, %2, ... as numbers to read back."""
    return re.sub(r"%\d", r"(\\d+)", re.escape(text).replace(r"\%", "%"))


class Speech:
    """What the program's texts sound like in the language played."""

    def __init__(self, texts):
        said = lambda source: texts("SumSpeech", source)
        self.sum = f"(?:{pattern(said('Sum %1 of %2: %3 times %4'))}|" \
                   f"{pattern(said('%1 times %2'))})"
        self.outcomes = {
            "right": pattern(said("Right!")),
            "wrong": f"(?:{pattern(said('Wrong, %1 times %2 is %3.'))}|"
                     f"{pattern(said('Wrong: %1.'))})",
            "late": f"(?:{pattern(said('Time' + chr(39) + 's up, %1 times %2 is %3.'))}|"
                    f"{pattern(said('Time' + chr(39) + 's up: %1.'))})",
        }


def numbers(match):
    return [int(n) for n in match.groups() if n is not None]


def heard_sum(speech, utterance, outcome=None):
    """The factors of the sum in what was heard, and the numbers of the outcome said first."""
    told = re.match(outcome, utterance) if outcome else None
    rest = utterance[told.end():].lstrip() if told else utterance
    sum_heard = re.match(speech.sum, rest)
    assert sum_heard, f"no sum in {utterance!r}"
    return numbers(sum_heard)[-2:], numbers(told) if told else []


def play(x, reader, program, texts, env):
    speech = Speech(texts)
    game = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.STDOUT)
    try:
        prompt = x.wait_for("Quorvel", dialog=True, timeout=30)
        reader.wait_for(re.escape(texts("frmTables", "What is your name?")) + ".*")
        x.keys(prompt, "ctrl+a")
        x.type(prompt, NAME)
        x.keys(prompt, "Return")
        greeting = texts("frmTables", "Hi PlayerName, I hope you're ready to play ...")
        reader.wait_for(re.escape(greeting.replace("PlayerName", NAME)) + ".*")

        main = x.wait_for("Quorvel", dialog=False)
        x.keys(main, "ctrl+o", "alt+" + texts.key("frmTables", "&All"))
        reader.wait_for(re.escape(texts("frmTables", "Every table is ticked.")) + ".*")
        x.keys(main, "ctrl+f", "F2")

        (table, multiplier), _ = heard_sum(speech, reader.wait_for(speech.sum + ".*").group(0))
        for number in range(1, SUMS + 1):
            if number == WRONG:
                x.type(main, str(table * multiplier + 1))
                x.keys(main, "Return")
                expected = "wrong"
            elif number == LATE:
                expected = "late"
            else:
                x.type(main, str(table * multiplier))
                x.keys(main, "Return")
                expected = "right"
            if number == SUMS:
                break
            outcome = speech.outcomes[expected]
            utterance = reader.wait_for(f"{outcome} {speech.sum}.*").group(0)
            product = table * multiplier
            (table, multiplier), told = heard_sum(speech, utterance, outcome)
            assert expected == "right" or told[-1] == product, \
                f"sum {number}: heard {utterance!r}, not the right answer {product}"

        score = texts("EndOfGame", "You have scored %1/%2.").replace("%1", str(SUMS - 2)) \
            .replace("%2", str(SUMS))
        reader.wait_for(f".*{re.escape(score)}.*")
        score_box = x.wait_for("Quorvel", dialog=True)
        x.keys(score_box, "Return")
        x.wait_gone(score_box)
        x.keys(main, "ctrl+x")
        status = game.wait(timeout=10)
        assert status == 0, f"quorvel ended with status {status}"
    finally:
        if game.poll() is None:
            game.kill()
            game.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build_dir")
    parser.add_argument("--lang", default="C.UTF-8", help="LANG to play in, such as de_DE.UTF-8")
    args = parser.parse_args()
    if not shutil.which("orca") or not os.path.exists("/usr/bin/python3"):
        print("Orca is not installed: skipped")
        return 77
    started = time.monotonic()
    with tempfile.TemporaryDirectory() as scratch, Display() as x:
        with ScreenReader(x, scratch, args.lang) as reader:
            env = dict(reader.env, XDG_CONFIG_HOME=os.path.join(scratch, "config"),
                       QT_QPA_PLATFORM="xcb")
            try:
                play(x, reader, os.path.join(os.path.abspath(args.build_dir), "quorvel"),
                     Texts(args.lang), env)
            except BaseException:
                sys.stderr.write("Orca said:\n  " + "\n  ".join(reader.spoken) + "\n")
                raise
    print(f"game heard through Orca in {args.lang}, passed in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
