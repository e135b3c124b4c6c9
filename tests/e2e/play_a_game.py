#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers

"""Plays one game with the installed program, the way a child at the keyboard would,
then reads back what the program stored.

Usage: play_a_game.py <build-dir> [--screenshot PNG] [--scale FACTOR]
                      [--history GAMES] [--progress-screenshot PNG] [--lang LOCALE] [--practise]
"""

import argparse
import os
import re
import sqlite3
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ET

from x11 import Display

NAME = "Sam Smith"
SUMS = 10
ANSWERED = 3  # wrongly, with 0; the rest run out of time
FAST_PACE_S = 3
CLIENT_WIDTH = 416  # the main window's designed width in logical pixels
DATE_TIME = r"[0-9]{2}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}"
SCREEN = (1280, 1024)  # the size Display gives Xvfb
TRANSLATIONS = os.path.join(os.path.dirname(__file__), "..", "..", "translations")
SUPPORTED_LOCALES = "/usr/share/i18n/SUPPORTED"
LOCALE_SOURCES = "/usr/share/i18n/locales"


class Texts:
    """The program's texts in the language of a locale, as its translation gives them."""

    def __init__(self, locale):
        country = locale.split(".")[0].split("@")[0]
        self.translations = {}
        for language in (country, country.split("_")[0]):
            path = os.path.join(TRANSLATIONS, f"quorvel_{language}.ts")
            if os.path.exists(path):
                for context in ET.parse(path).getroot().iter("context"):
                    for message in context.iter("message"):
                        self.translations[(context.findtext("name"),
                                           message.findtext("source"))] = \
                            message.findtext("translation")
                break
        # A right-to-left language sets the name and the date apart with direction marks.
        self.mark = ".{1,4}" if self("QGuiApplication", "QT_LAYOUT_DIRECTION") == "RTL" else ""

    def isolated(self, pattern):
        return self.mark + pattern + self.mark

    def __call__(self, context, source):
        return self.translations.get((context, source), source)

    def key(self, context, source):
        """The access key of a caption, as xdotool names its key."""
        key = re.search(r"&([^&])", self(context, source)).group(1).lower()
        return key if key.isascii() else f"U{ord(key):04X}"


def title_pattern(text):
    """A window title as a pattern for xdotool, which takes extended POSIX patterns. A title's
    letters beyond ASCII may reach it in another encoding, so any one to four bytes match them."""
    escaped = re.sub(r"([.\[\](){}*+?|^$\\])", r"\\\1", text)
    return re.sub(r"[^\x00-\x7f]", ".{1,4}", escaped)


def full_locale(name):
    """A locale for a bare language name such as "pt_BR" or "he": the language's own country's,
    else the first that glibc knows of."""
    if "." in name or not os.path.exists(SUPPORTED_LOCALES):
        return name
    with open(SUPPORTED_LOCALES) as supported:
        known = [line.split()[0] for line in supported if ".UTF-8 " in line]
    language = name.split("_")[0]
    for wanted in (f"{name}.UTF-8", f"{language}_{language.upper()}.UTF-8"):
        if wanted in known:
            return wanted
    return next((locale for locale in known if locale.startswith(name + "_")), name + ".UTF-8")


def locale_folder(locale, scratch):
    """A folder for LOCPATH holding the locale, when the system has not generated it, so that
    the program runs as on a machine set up in that language; None when it is not needed or
    glibc's sources for it are missing."""
    installed = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.split()
    name, _, charset = locale.partition(".")
    if name in ("C", "POSIX") or f"{name}.{charset.lower().replace('-', '')}" in installed:
        return None
    if not os.path.exists(os.path.join(LOCALE_SOURCES, name)):
        return None
    folder = os.path.join(scratch, "locales")
    os.makedirs(folder, exist_ok=True)
    subprocess.run(["localedef", "-i", name, "-f", charset or "UTF-8",
                    os.path.join(folder, locale)], check=True, capture_output=True)
    return folder


def install(build_dir, prefix):
    # One component, so that install_manifest.txt still lists a real install.
    subprocess.run(["cmake", "--install", build_dir, "--prefix", prefix,
                    "--component", "Unspecified"], check=True, stdout=subprocess.DEVNULL)
    return os.path.join(prefix, "games", "quorvel")


def history_keys(store_path, player):
    """The player's history keys in the order written; none while the store cannot be read."""
    try:
        store = sqlite3.connect(f"file:{store_path}?mode=ro", uri=True)
        try:
            return [key for (key,) in store.execute(
                "SELECT key FROM settings WHERE section = ? ORDER BY id", (f"History\\{player}",))]
        finally:
            store.close()
    except sqlite3.OperationalError:
        return []


def shown_history_keys(build_dir, env, store_path, player, count, timeout=5):
    """The player's history keys as the program shows them in the language env asks for, once
    there are count of them: a game's record is written as its score message closes."""
    deadline = time.monotonic() + timeout
    while len(keys := history_keys(store_path, player)) < count:
        assert time.monotonic() < deadline, f"{len(keys)} history records stored, not {count}"
        time.sleep(0.05)
    helper = os.path.join(build_dir, "tests", "shown_key")
    return subprocess.run([helper, *keys], env=env, check=True, capture_output=True,
                          text=True).stdout.splitlines()


def thread_count(pid):
    return len(os.listdir(f"/proc/{pid}/task"))


def play_answering_all(x, main):
    """Plays a started game to its end, answering every sum wrongly with 0."""
    for _ in range(SUMS):
        x.type(main, "0")
        x.keys(main, "Return")
    score = x.wait_for("Quorvel", dialog=True)
    x.keys(score, "Return")
    x.wait_gone(score)


def practise_after_restart(x, texts):
    """A second run of the program: the name is offered again, and a practice game starts from
    the Progress window."""
    main = x.wait_for("Quorvel", dialog=False)
    prompt = x.wait_for("Quorvel", dialog=True)
    x.keys(prompt, "Return")
    x.wait_gone(prompt)
    x.keys(main, "ctrl+p")
    progress = x.wait_for(
        title_pattern(texts("frmProgress", "%1's Progress")).replace("%1", texts.isolated(NAME)),
        dialog=True)
    x.keys(progress, "alt+" + texts.key("frmProgress", "&Practise these sums"))
    x.wait_gone(progress)
    play_answering_all(x, main)
    x.keys(main, "ctrl+x")


def play(x, pid, screenshot, scale, games, progress_screenshot, texts, shown_first_key, practise):
    main = x.wait_for("Quorvel", dialog=False)
    width, _ = x.size(main)
    assert width == round(CLIENT_WIDTH * scale), f"main window {width} px wide at scale {scale}"

    prompt = x.wait_for("Quorvel", dialog=True)
    # Given once the prompt is drawn, the icon reaches the window manager while it is open.
    sizes = x.icon_sizes(main)
    assert (32, 32) in sizes, f"main window's icon sizes {sizes}"
    x.keys(prompt, "ctrl+a")
    x.type(prompt, f"  {NAME}  ")
    x.keys(prompt, "Return")
    x.wait_gone(prompt)

    x.keys(main, "ctrl+o", "alt+" + texts.key("frmTables", "&All"))
    time.sleep(0.3)  # an access key clicks its box at the end of a 100 ms press
    x.keys(main, "ctrl+f", "F2")
    for _ in range(ANSWERED):
        x.type(main, "0")
        x.keys(main, "Return")
    if screenshot:
        time.sleep(0.2)  # let the next sum be painted
        x.screenshot(main, screenshot)

    score = x.wait_for("Quorvel", dialog=True, timeout=SUMS * FAST_PACE_S + 10)
    x.keys(score, "Return")
    x.wait_gone(score)
    if practise:
        x.keys(main, "ctrl+r")
        play_answering_all(x, main)
        games += 1

    shown = shown_first_key(games)
    x.keys(main, "ctrl+h")
    title = title_pattern(texts("History", "%1's History (%2/%3) - %4"))
    history = x.wait_for(title.replace("%1", texts.isolated(NAME)).replace("%2", "1").replace("%3", str(games))
                         .replace("%4", texts.isolated(title_pattern(shown))), dialog=True)
    # Yes, the default, at the last record ends the viewer; No ends it anywhere.
    x.keys(history, "Return" if games == 1 else "Escape")
    x.wait_gone(history)

    x.keys(main, "ctrl+p")
    progress = x.wait_for(
        title_pattern(texts("frmProgress", "%1's Progress")).replace("%1", texts.isolated(NAME)),
        dialog=True)
    width, height = x.size(progress)
    # As large as it needs at scale 1; scrolled, but on the screen, at scale 2.
    assert 400 * scale <= width <= SCREEN[0] and 300 * scale <= height <= SCREEN[1], \
        f"Progress window {width}x{height} at scale {scale}"
    x.keys(progress, "Tab", "Home", "End", "Left")  # to the chart and along its games
    if progress_screenshot:
        time.sleep(0.2)
        x.screenshot(progress, progress_screenshot)
    x.keys(progress, "Escape")
    x.wait_gone(progress)

    threads_before_help = thread_count(pid)
    x.keys(main, "alt+" + texts.key("frmTables", "&Help"), texts.key("frmTables", "&Contents"))
    help_window = x.wait_for(title_pattern(texts("frmAbout", "Help")), dialog=True)
    x.keys(help_window, "Escape")
    try:
        x.wait_gone(help_window, timeout=3)
    except AssertionError:
        raise AssertionError("the help window did not close; did the help document fail to load?")
    # Threads that drew the document's pictures must not idle on after it.
    deadline = time.monotonic() + 3
    while thread_count(pid) > threads_before_help:
        assert time.monotonic() < deadline, \
            f"{thread_count(pid) - threads_before_help} threads outlived the help document"
        time.sleep(0.1)

    x.keys(main, "ctrl+x")


def check_options(rows):
    expected = [("LastPlayer", NAME), ("SlowSpeed", "False"), ("MediumSpeed", "False"),
                ("FastSpeed", "True"), ("MaximumSums", str(SUMS))]
    expected += [(f"Times {i}", "1") for i in range(14)]
    options = [(key, value) for section, key, value in rows if section == "Options"]
    assert options == expected, f"stored options {options}"


def records_of(rows):
    return [(key, value) for section, key, value in rows if section == f"History\\{NAME}"]


def wrong_sums(record, answered):
    """The sums of a record in which the first `answered` were answered 0 and the rest ran out."""
    key, value = record
    assert re.fullmatch(DATE_TIME, key), f"history key {key!r}"
    head = f"You have scored 0/{SUMS}.\r\n\r\n  Sums\t\tCorrect\tYours\r\n"
    assert value.startswith(head) and value.endswith("\r\n"), f"history record {value!r}"
    lines = value[len(head):].split("\r\n")[:-1]
    assert len(lines) == SUMS, f"{len(lines)} transcript lines in {value!r}"
    sums = []
    for number, line in enumerate(lines):
        fields = re.fullmatch(r"([ \d]{2}\d)  x ([ \d]{2}\d)\t\t([ \d]{2}\d)\t([ \d]{3})", line)
        assert fields, f"transcript line {line!r}"
        table, multiplier, product = (int(fields[i]) for i in (1, 2, 3))
        assert 2 <= table <= 15 and 1 <= multiplier <= 15 and product == table * multiplier, line
        yours = "  0" if number < answered else "   "
        assert fields[4] == yours, f"sum {number + 1} answered {fields[4]!r}, not {yours!r}"
        sums.append((table, multiplier))
    return sums


def check_history(rows, games):
    records = records_of(rows)
    assert len(records) == games, f"{len(records)} history records, not {games}"
    wrong_sums(records[-1], ANSWERED)


def check_practice(rows, knowledge, games):
    """Two practice games after the game: each sum asked is known to have been asked, and the
    one begun after a restart asks again sums that went wrong before it."""
    records = records_of(rows)
    assert len(records) == games + 2, f"{len(records)} history records, not {games + 2}"
    game, practice, after_restart = (wrong_sums(record, answered)
                                     for record, answered in zip(records[games - 1:],
                                                                 (ANSWERED, SUMS, SUMS)))
    asked = sum(row[0] for row in knowledge)
    # Every sum went wrong, so what was made up from earlier records counts one asking a line.
    lines = sum(value.count("\r\n") - 3 for _, value in records if "Sums" in value)
    assert asked == lines, f"{asked} sums known to have been asked, {lines} in the records"
    wrong_before = {(int(table), int(multiplier)) for _, value in records[:-1]
                    for table, multiplier in re.findall(r"(\d+)  x +(\d+)\t", value)}
    again = [s for s in after_restart if s in wrong_before]
    # Practice gives two thirds of its draws to them; with few of them, chance gives far fewer.
    if len(wrong_before) <= 30:
        assert len(again) >= 2, f"practice after a restart asked {after_restart}, wrong " \
            f"before: {sorted(wrong_before)}"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build_dir")
    parser.add_argument("--screenshot", help="save the main window during the game here")
    parser.add_argument("--scale", type=float, default=1, help="QT_SCALE_FACTOR")
    parser.add_argument("--history", type=int, default=0,
                        help="games the player has already played, made up before the game")
    parser.add_argument("--progress-screenshot", help="save the Progress window here")
    parser.add_argument("--practise", action="store_true",
                        help="also play a practice game, and another after a restart")
    parser.add_argument("--lang", default="C.UTF-8",
                        help="LANG to play in, such as de_DE.UTF-8, or a language such as pt_BR; "
                        "stored data must not change")
    args = parser.parse_args()
    args.lang = full_locale(args.lang)
    started = time.monotonic()

    with tempfile.TemporaryDirectory() as scratch:
        program = install(args.build_dir, os.path.join(scratch, "prefix"))
        config = os.path.join(scratch, "config")
        log_path = os.path.join(scratch, "quorvel.log")
        if args.history:
            subprocess.run([os.path.join(args.build_dir, "tests", "seed_history"),
                            os.path.join(config, "Quorvel", "settings.sqlite"), NAME,
                            str(args.history)], check=True)
        with Display() as x, open(log_path, "w") as log:
            env = dict(x.env, XDG_CONFIG_HOME=config, XDG_RUNTIME_DIR=scratch,
                       QT_QPA_PLATFORM="xcb", QT_SCALE_FACTOR=str(args.scale), LANG=args.lang)
            for overriding in ("LANGUAGE", "LC_ALL", "LC_MESSAGES"):
                env.pop(overriding, None)
            locales = locale_folder(args.lang, scratch)
            if locales:
                env["LOCPATH"] = locales
            texts = Texts(args.lang)
            store_path = os.path.join(config, "Quorvel", "settings.sqlite")

            def shown_first_key(games):  # where the history viewer opens
                return shown_history_keys(args.build_dir, env, store_path, NAME, games)[0]

            runs = [lambda pid: play(x, pid, args.screenshot and os.path.abspath(args.screenshot),
                                     args.scale, args.history + 1,
                                     args.progress_screenshot
                                     and os.path.abspath(args.progress_screenshot),
                                     texts, shown_first_key, args.practise)]
            if args.practise:
                runs.append(lambda pid: practise_after_restart(x, texts))
            for run in runs:
                game = subprocess.Popen([program], env=env, stdout=log, stderr=subprocess.STDOUT)
                try:
                    run(game.pid)
                    status = game.wait(timeout=10)
                    assert status == 0, f"quorvel ended with status {status}"
                except BaseException:
                    with open(log_path) as output:
                        sys.stderr.write(output.read())
                    raise
                finally:
                    if game.poll() is None:
                        game.kill()
                        game.wait()

        store = sqlite3.connect(os.path.join(config, "Quorvel", "settings.sqlite"))
        rows = store.execute("SELECT section, key, value FROM settings ORDER BY id").fetchall()
        knowledge = store.execute("SELECT asked FROM knowledge").fetchall() \
            if args.practise else []
        store.close()
        check_options(rows)
        if args.practise:
            check_practice(rows, knowledge, args.history + 1)
        else:
            check_history(rows, args.history + 1)

    print(f"end-to-end game in {args.lang} passed in {time.monotonic() - started:.1f} s")


if __name__ == "__main__":
    main()
