#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers

"""Plays a game of ten sums at the fast pace by ear, with Debian's screen reader
Orca: every sum is read from what Orca says, and every outcome and the score
must be heard, and nothing of the answer box's selected blank. Then the
history is paged through, a row of Progress's wrong sums read, a new game
started and cancelled, and the program started again, each heard.

Usage: hear_a_game.py <build-dir> [--lang LOCALE]
The program runs in the locale's language; Orca speaks English.
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

from play_a_game import Texts, full_locale, locale_folder, shown_history_keys, title_pattern
from screen_reader import ScreenReader
from x11 import Display

NAME = "Mia"
SUMS = 10
WRONG, LATE = 2, 3  # the sums answered wrongly and let run out of time; the rest right
SEEDED_GAMES = 1  # in the history before this one
# What Orca says of a selection typed over or dropped, which a digit typed
# over the answer box's blank must not sound like.
SELECTION_TALK = ("Selection deleted.", "Text unselected.")


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


def press_until_heard(x, reader, window, key, heard, tries=3):
    """A key pressed just as a message closes may be taken while the window is still
    modal, and lost; a player would press it again."""
    for attempt in range(tries):
        reader.catch_up()
        x.keys(window, key)
        try:
            return reader.wait_for(heard, timeout=5)
        except AssertionError:
            if attempt == tries - 1:
                raise


def start(x, reader, program, texts, env, typed_name):
    """Starts the program and answers its name prompt; the prompt offers the
    last player's name, typed over or taken with Enter."""
    game = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.STDOUT)
    prompt = x.wait_for("Quorvel", dialog=True, timeout=30)
    reader.wait_for(re.escape(texts("frmTables", "What is your name?")) + ".*")
    if typed_name:
        x.keys(prompt, "ctrl+a")
        x.type(prompt, NAME)
    else:
        reader.wait_for(re.escape(NAME) + " selected.*")
    x.keys(prompt, "Return")
    greeting = texts("frmTables", "Hi PlayerName, I hope you're ready to play ...")
    reader.wait_for(re.escape(greeting.replace("PlayerName", NAME)) + ".*")
    return game, x.wait_for("Quorvel", dialog=False)


def leave(x, game, main):
    x.keys(main, "ctrl+x")
    status = game.wait(timeout=10)
    assert status == 0, f"quorvel ended with status {status}"


def play(x, reader, main, texts):
    """Plays a game and returns the sum let run out of time."""
    speech = Speech(texts)
    x.keys(main, "ctrl+o", "alt+" + texts.key("frmTables", "&All"))
    reader.wait_for(re.escape(texts("frmTables", "Every table is ticked.")) + ".*")
    x.keys(main, "ctrl+f", "F2")

    (table, multiplier), _ = heard_sum(speech, reader.wait_for(speech.sum + ".*").group(0))
    late = None
    for number in range(1, SUMS + 1):
        if number == 1:
            x.keys(main, "Tab")  # nowhere else to go: the blank stays selected
        if number == WRONG:
            x.type(main, str(table * multiplier + 1))
            x.keys(main, "Return")
            expected = "wrong"
        elif number == LATE:
            late = table, multiplier
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
    heard = [said for said in reader.spoken if said in SELECTION_TALK]
    assert not heard, f"the answer box's blank was heard: {heard}"
    return late


def page_through_history(x, reader, main, texts, late, shown_keys):
    """Every record is heard, the game just played last, with its sum run out of time."""
    title = texts("History", "%1's History (%2/%3) - %4")
    games = SEEDED_GAMES + 1
    shown = shown_keys(games)
    for number in range(1, games + 1):
        numbered = title.replace("%2", str(number)).replace("%3", str(games))
        heard = re.escape(numbered).replace("%1", f".{{0,4}}{NAME}.{{0,4}}").replace("%4", ".*")
        if number == 1:
            press_until_heard(x, reader, main, "ctrl+h", f".*{heard}.*")
        else:
            reader.wait_for(f".*{heard}.*")
        record = x.wait_for(title_pattern(numbered).replace("%1", texts.isolated(NAME))
                            .replace("%4", texts.isolated(title_pattern(shown[number - 1]))),
                            dialog=True)
        if number == games:
            table, multiplier = late
            sentence = texts("EndOfGame", "%1 times %2 is %3: you ran out of time.") \
                .replace("%1", str(table)).replace("%2", str(multiplier)) \
                .replace("%3", str(table * multiplier))
            reader.wait_for(f".*{re.escape(sentence)}.*")
        x.keys(record, "Return")  # Yes: the next record, or the end at the last
    x.wait_gone(record)


def read_wrong_sums(x, reader, main, texts, late):
    """Down to the row of the sum run out of time in the grid of wrong sums: the row is read
    as the sums that went wrong, not as a sentence for each of its sixteen squares."""
    progress_title = texts("frmProgress", "%1's Progress")
    heard = re.escape(progress_title).replace("%1", f".{{0,4}}{NAME}.{{0,4}}")
    press_until_heard(x, reader, main, "ctrl+p", f".*{heard}.*")
    progress = x.wait_for(title_pattern(progress_title).replace("%1", texts.isolated(NAME)),
                          dialog=True)
    table, multiplier = late
    for name in ("Scores chart", "Sums answered wrong or not in time"):  # past period and chart
        reader.catch_up()
        x.keys(progress, "Tab")
        reader.wait_for(re.escape(texts("frmProgress", name)) + ".*")
    reader.catch_up()
    first = len(reader.spoken)
    x.keys(progress, *(["Down"] * (table - 2) if table > 2 else ["Down", "Up"]))
    sum_text = f"{table} {texts('Sums', 'x')} {multiplier} = {table * multiplier}: "
    reader.wait_for(re.escape(sum_text) + ".*")
    reader.catch_up()
    never = texts("frmProgress", "never wrong")
    squares_read = sum(never in said for said in reader.spoken[first:])
    assert squares_read <= max(table - 2, 2), \
        f"{squares_read} sums never wrong read for {max(table - 2, 2)} rows"
    x.keys(progress, "Escape")
    x.wait_gone(progress)


def cancel_a_game(x, reader, main, texts):
    first_sum = pattern(texts("SumSpeech", "Sum %1 of %2: %3 times %4")).replace(r"(\d+)", "1", 1)
    press_until_heard(x, reader, main, "F2", first_sum + ".*")
    x.keys(main, "F9")
    reader.wait_for(f".*{re.escape(texts('frmTables', 'Game cancelled by request!'))}.*")
    reader.wait_for(".* push button.*")  # the focus is on it
    message = x.wait_for("Quorvel", dialog=True)
    x.keys(message, "Return")
    x.wait_gone(message)


def hear(x, reader, build, texts, env, store_path):
    program = os.path.join(build, "quorvel")
    game, main = start(x, reader, program, texts, env, typed_name=True)
    try:
        late = play(x, reader, main, texts)
        page_through_history(x, reader, main, texts, late,
                             lambda count: shown_history_keys(build, env, store_path, NAME, count))
        read_wrong_sums(x, reader, main, texts, late)
        cancel_a_game(x, reader, main, texts)
        leave(x, game, main)
        game, main = start(x, reader, program, texts, env, typed_name=False)
        leave(x, game, main)
    finally:
        if game.poll() is None:
            game.kill()
            game.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build_dir")
    parser.add_argument("--lang", default="C.UTF-8",
                        help="LANG to play in, such as de_DE.UTF-8, or a language such as de")
    args = parser.parse_args()
    args.lang = full_locale(args.lang)
    if not shutil.which("orca") or not os.path.exists("/usr/bin/python3"):
        print("Orca is not installed: skipped")
        return 77
    started = time.monotonic()
    with tempfile.TemporaryDirectory() as scratch, Display() as x:
        with ScreenReader(x, scratch, "C.UTF-8") as reader:
            build = os.path.abspath(args.build_dir)
            config = os.path.join(scratch, "config")
            store_path = os.path.join(config, "Quorvel", "settings.sqlite")
            subprocess.run([os.path.join(build, "tests", "seed_history"), store_path, NAME,
                            str(SEEDED_GAMES)], check=True)
            env = dict(reader.env, XDG_CONFIG_HOME=config, QT_QPA_PLATFORM="xcb", LANG=args.lang)
            locales = locale_folder(args.lang, scratch)
            if locales:
                env["LOCPATH"] = locales
            try:
                hear(x, reader, build, Texts(args.lang), env, store_path)
            except BaseException:
                sys.stderr.write("Orca said:\n  " + "\n  ".join(reader.spoken) + "\n")
                raise
    print(f"game heard through Orca in {args.lang}, passed in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
