#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Orbelle developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Uses the program by ear with the real Orca and checks what Orca says, and how often:
a learn walk over every record and back, a prose walk with a Tab round, a notice and
line-by-line reading, a walk through the glyphs, a whole test picked by digits with its
report read line by line, a prose test with Tab through the choice boxes, and the way out.
Each record's value must be heard once per step and never again when the focus lands on
Back or Next; the words spoken per learn step and per question are printed as figures.

    walk.py ORBELLE KNOWLEDGE_DUMP [--out DIR] [--only SCENARIO ...]

Expected texts come from KNOWLEDGE_DUMP, which prints the program's own knowledge
base. Navigation is by listening: Tab until Orca names the wanted control. A failed
check prints the step, what was expected and the last words spoken, and the walk goes
on where it can; the transcript (step -> speech) is written to DIR/transcript.txt."""

import argparse
import json
import os
import re
import signal
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import orca_session  # noqa: E402
from orca_session import normalised  # noqa: E402

WELCOME = [
    "Welcome to the world of learning the significance of astrology, signs, stars, planets and houses!",
    "This software aims to help you understand the importance of astrology better and learn the effects and "
    "attributes of the signs, planets and houses.",
    "Select one option below and click on the Next button to continue.",
]
THANKS = "Thank you for learning with Orbelle."
INSTRUCTION = "Select one option from the given choices below."
DIGITS_HINT = "Keys 1 to 5 pick a choice."
WHOLE_RUN_SECONDS = 900


class WalkAborted(Exception):
    pass


def label_text(stored):
    """A stored text as a label shows it: "&" marks an access key, so "&&" shows as "&"."""
    shown = []
    i = 0
    while i < len(stored):
        if stored[i] == "&" and i + 1 < len(stored):
            i += 1
        shown.append(stored[i])
        i += 1
    return "".join(shown)


def says(heard, text):
    """Whether the utterances contain the text, blanks and line breaks normalised."""
    return normalised(text) in normalised(" ".join(heard))


def count(heard, text):
    """How often the utterances say the text."""
    return normalised(" ".join(heard)).count(normalised(text))


def words(heard):
    return len(" ".join(heard).split())


def says_word(heard, text):
    pattern = r"(?<![\w])" + re.escape(normalised(text)) + r"(?![\w])"
    return re.search(pattern, normalised(" ".join(heard))) is not None


class Walk:
    def __init__(self, session, knowledge, transcript):
        self.s = session
        self.topics = knowledge["topics"]
        self.transcript = transcript
        self.failures = []
        self.passes = []
        self.step = "start"
        self.tab_stops, self.last_heard = [], []
        self.figures = {}  # what a listener pays: words heard per learn step / per question
        # What each mode's lists show now: the walk comes back to them.
        self.entries = {mode: (self.caption(mode, self.topics[0]), self.topics[0]["attributes"][0]["caption"])
                        for mode in ("Learn", "Test")}

    @staticmethod
    def caption(mode, topic):
        return topic["learnCaption"] if mode == "Learn" else topic["testCaption"]

    # -- reporting -------------------------------------------------------------------

    def begin(self, step):
        self.step = step
        self.transcript.write(f"\n== {step}\n")
        self.transcript.flush()
        print(f"-- {step}", flush=True)

    def check(self, ok, expected, heard=None):
        if ok:
            self.passes.append((self.step, expected))
            self.transcript.write(f"  ok: {expected}\n")
            return True
        last = self.s.heard[-8:]
        self.failures.append((self.step, expected))
        message = f"FAIL [{self.step}] expected: {expected}"
        if heard is not None:
            message += f"\n    heard after the key: {heard!r}"
        message += f"\n    last spoken: {last!r}"
        print(message, flush=True)
        self.transcript.write(message + "\n")
        return False

    def count_words(self, figure, heard):
        self.figures.setdefault(figure, []).append(words(heard))

    def abort(self, expected):
        self.check(False, expected)
        raise WalkAborted(f"[{self.step}] cannot go on without: {expected}")

    # -- moving by ear ---------------------------------------------------------------

    def tab_to(self, hears, key="Tab", most=16):
        """Tabs until Orca says what `hears` recognises; returns that speech, or None
        once the focus has come round to where it started."""
        self.tab_stops = []
        for _ in range(most):
            heard = self.last_heard = self.s.press(key)
            if hears(heard):
                return heard
            stop = normalised(" ".join(heard))
            if stop and stop in self.tab_stops:
                return None
            self.tab_stops.append(stop)
        return None

    def tab_to_name(self, name, key="Tab"):
        return self.tab_to(lambda heard: says_word(heard, name), key)

    @staticmethod
    def names_button(heard, name):
        """Whether Orca named the button: "Back" is not "Back To Main", "Next" not "Next Question"."""
        pattern = re.compile(r"(?<![\w])" + re.escape(name) + r"(?![\w ]*To Main)(?! Question)\W*push button")
        return any(pattern.search(normalised(u)) for u in heard)

    def tab_to_button(self, name, key="Tab"):
        heard = self.tab_to(lambda h: self.names_button(h, name), key)
        if heard is None:
            self.abort(f'Tab reaches the "{name}" button')
        return heard

    def tab_to_list(self, name, entry):
        """Tabs to a pick list by its name; when Orca never says the name, falls back
        to its entry so that the rest of the walk can still be heard."""
        heard = self.tab_to_name(name)
        if self.check(heard is not None, f'Tab to a list speaks its name "{name}"'):
            self.check(says(heard, entry), f'the list "{name}" speaks its entry "{entry}"', heard)
            return
        if says_word(self.last_heard, entry):
            return  # the search came round to the list
        if self.tab_to_name(entry) is None:
            self.abort(f'Tab reaches the list showing "{entry}"')

    def choose(self, entries, shown, wanted):
        """On a closed list: Home, then Down to the wanted entry; the last key changes
        the entry, so it must speak the new one."""
        if shown == wanted:
            return
        index = entries.index(wanted)
        heard = self.s.press("Home")
        for _ in range(index):
            heard = self.s.press("Down")
        self.check(says(heard, wanted), f'choosing by keyboard speaks "{wanted}"', heard)

    # -- the welcome screen ----------------------------------------------------------

    def welcome(self, launch_speech):
        self.begin("start: the welcome screen speaks without a key")
        for sentence in WELCOME:
            count = normalised(" ".join(launch_speech)).count(normalised(sentence))
            self.check(count == 1, f'spoken once at start: "{sentence}"', launch_speech)

    def pick(self, mode, topic, attribute):
        """Chooses mode ("Learn"/"Test"), topic and attribute on the welcome screen."""
        caption = self.caption(mode, topic)
        captions = [self.caption(mode, t) for t in self.topics]
        attributes = [a["caption"] for a in topic["attributes"]]
        self.begin(f"welcome: choose {caption} / {attribute}")
        option = "Learn Option" if mode == "Learn" else "Test Criteria"
        other = "Test Criteria" if mode == "Learn" else "Learn Option"
        heard = self.tab_to(lambda h: says(h, option) or says(h, other))
        if heard is None:
            self.abort("Tab reaches the Learn Option / Test Criteria buttons")
        if not says(heard, option):
            heard = self.s.press("Down" if mode == "Test" else "Up")
            self.check(says(heard, option), f'the arrow key selects "{option}"', heard)
        shown_topic, shown_attribute = self.entries[mode]
        self.tab_to_list(f"{mode} topic", shown_topic)
        self.choose(captions, shown_topic, caption)
        # The attribute list is refilled, with its first entry, only when the topic changes.
        if caption != shown_topic:
            shown_attribute = attributes[0]
        self.tab_to_list(f"{mode} attribute", shown_attribute)
        self.choose(attributes, shown_attribute, attribute)
        self.entries[mode] = (caption, attribute)
        self.tab_to_button("Next")

    # -- learn mode ------------------------------------------------------------------

    @staticmethod
    def attribute(topic, caption):
        return next(a for a in topic["attributes"] if a["caption"] == caption)

    def take_step(self, key, figure, expected, checked):
        """Presses Back or Next (`key`) and checks that the step speaks `expected` once."""
        heard = self.s.press(key)
        self.check(count(heard, expected) == 1, f'the step speaks "{expected[:70]}" once', heard)
        self.count_words(figure, heard)
        return heard

    def quiet_about(self, heard, value, where):
        """Where the focus only lands, the value on show is not read again."""
        self.check(not says(heard, value), f"{where} does not read the value again", heard)

    def learn_walk(self, topic, attribute_caption):
        """Every record forth and back: each step speaks its record once; the notices at the
        ends, and the focus coming back from them, never read the value again."""
        titles, values = topic["titles"], self.attribute(topic, attribute_caption)["values"]
        figure = f"learn step, {topic['learnCaption']} / {attribute_caption}"

        def record(i):
            return f"{label_text(titles[i])}: {label_text(values[i])}"

        self.pick("Learn", topic, attribute_caption)
        self.begin("learn: Next on the welcome screen arrives on the learn screen")
        heard = self.s.press("space")
        self.check(says(heard, topic["learnCaption"]), f'arrival speaks the topic "{topic["learnCaption"]}"', heard)
        self.check(says(heard, attribute_caption), f'arrival speaks the attribute "{attribute_caption}"', heard)
        self.check(count(heard, record(0)) == 1, f'arrival speaks "{record(0)}" once', heard)

        self.begin("learn: Next through every record")
        self.tab_to_button("Next")
        for i in range(1, len(titles)):
            self.take_step("space", figure, record(i), values[i])
        heard = self.s.press("space")
        self.check(says(heard, "You are at the last record"), 'Next at the last record: "You are at the last record"',
                   heard)
        heard = self.s.press("Return")
        self.check(self.names_button(heard, "Next"), "dismissing the notice puts the focus back on Next", heard)
        self.quiet_about(heard, label_text(values[-1]), "closing the notice")

        self.begin("learn: Back to the first record")
        heard = self.tab_to_button("Back", key="shift+Tab")
        self.quiet_about(heard, label_text(values[-1]), "the focus landing on Back")
        for i in range(len(titles) - 2, -1, -1):
            self.take_step("space", figure, record(i), values[i])
        heard = self.s.press("space")
        self.check(says(heard, "You are at the first record"),
                   'Back at the first record: "You are at the first record"', heard)
        heard = self.s.press("Return")
        self.check(self.names_button(heard, "Back"), "dismissing the notice puts the focus back on Back", heard)
        self.quiet_about(heard, label_text(values[0]), "closing the notice")
        self.back_to_main()

    def prose_walk(self, topic, attribute_caption):
        """A long value: heard once on arrival and once per step; a notice, a whole Tab
        round and the focus on Back or Next never read it again; the value pane reads it
        line by line."""
        titles, values = topic["titles"], self.attribute(topic, attribute_caption)["values"]
        figure = f"learn step, {topic['learnCaption']} / {attribute_caption}"
        self.pick("Learn", topic, attribute_caption)
        self.begin(f"prose: arrival on {titles[0]}")
        heard = self.s.press("space")
        self.check(count(heard, label_text(values[0])) == 1, "arrival speaks the value once", heard)
        heard = self.s.press("shift+Tab")
        self.check(self.names_button(heard, "Back"), "shift+Tab goes from Next to Back", heard)
        self.quiet_about(heard, label_text(values[0]), "the focus landing on Back")
        heard = self.s.press("space")
        self.check(says(heard, "You are at the first record"), "Back on the first record gives the notice", heard)
        heard = self.s.press("Return")
        self.quiet_about(heard, label_text(values[0]), "closing the notice")

        self.begin(f"prose: Next to {titles[1]}, then a whole Tab round")
        heard = self.s.press("Tab")
        self.check(self.names_button(heard, "Next"), "Tab goes from Back to Next", heard)
        self.take_step("space", figure, f"{label_text(titles[1])}: {label_text(values[1])}", values[1])
        value = label_text(values[1])
        pane = None
        for _ in range(12):
            heard = self.s.press("Tab")
            if self.is_text_box(heard):
                pane = heard
                continue
            self.quiet_about(heard, value, f"the Tab stop {normalised(' '.join(heard))[:40]!r}")
            if self.names_button(heard, "Next"):
                break
        if not self.check(pane is not None, "the Tab round passes the value pane"):
            self.back_to_main()
            return

        self.begin(f"prose: read the value of {titles[1]} line by line")
        heard = self.tab_to(self.is_text_box)
        if not self.check(heard is not None, "Tab reaches the value pane"):
            self.back_to_main()
            return
        for part, text in (("topic", topic["learnCaption"]), ("attribute", attribute_caption),
                           ("record", label_text(titles[1]))):
            self.check(says(heard, text), f'the value pane names the {part} "{text}"', heard)
        # Arriving reads the line under the caret, the first; Down speaks the next ones.
        first = self.line_under_caret(heard)
        lines = [first] if first else []
        if first and not normalised(value).startswith(normalised(first)):
            lines = [first[:-1]] if first.endswith(".") else lines
        lines += self.read_lines(until=lambda more: normalised(" ".join(lines + more)) == normalised(value),
                                 most=len(value.split()) + 5)
        self.check(normalised(" ".join(lines)) == normalised(value),
                   f"Down reads the whole value line by line: {value[:60]!r}...", lines)
        self.back_to_main()

    def glyph_walk(self, topic, steps=3):
        """With "Glyphs (Image)" the value is the picture: each step describes it."""
        titles, glyphs = topic["titles"], topic["glyphs"]
        figure = f"learn step, {topic['learnCaption']} / Glyphs (Image)"
        self.pick("Learn", topic, "Glyphs (Image)")
        self.begin("glyphs: arrival and Next")
        heard = self.s.press("space")
        self.check(count(heard, glyphs[0]) == 1, f'arrival describes the glyph of {titles[0]} once', heard)
        for i in range(1, steps + 1):
            heard = self.take_step("space", figure, glyphs[i], glyphs[i])
            self.check(says_word(heard, label_text(titles[i])), f"the step names {titles[i]}", heard)
        self.back_to_main()

    @staticmethod
    def is_text_box(heard):
        return any(re.search(r"\btext\.?$", normalised(u)) for u in heard)

    @staticmethod
    def line_under_caret(heard):
        """The line Orca reads after a text's name and role; it ends the line with a full
        stop of its own where the line has none."""
        for i, utterance in enumerate(heard):
            if re.search(r"\btext\.?$", normalised(utterance)) and i + 1 < len(heard):
                return heard[i + 1]
        return None

    def back_to_main(self):
        self.begin("back to the welcome screen")
        self.tab_to_button("Back To Main")
        self.s.press("space")

    # -- reading with a caret --------------------------------------------------------

    def read_lines(self, until, most):
        """Presses Down and collects one spoken line per key ("" for a blank line)
        until `until(lines)` holds, the caret stops moving, or `most` keys."""
        lines = []
        silent = 0
        for _ in range(most):
            heard = [u for u in self.s.press("Down") if u.strip()]
            if not heard:
                silent += 1
                if silent == 2:
                    break
                continue
            silent = 0
            line = " ".join(heard)
            lines.append("" if normalised(line) == "blank" else line)
            if until(lines):
                break
        return lines

    # -- test mode -------------------------------------------------------------------

    def heard_title(self, heard, titles):
        found = [t for t in titles if says_word(heard, label_text(t))]
        # A title inside a longer one ("1st House" in "11th House") does not count.
        found = [t for t in found if not any(t != o and normalised(t) in normalised(o) for o in found)]
        return found[0] if len(found) == 1 else None

    def heard_value(self, heard, values):
        found = [v for v in set(values) if says(heard, v)]
        return max(found, key=len) if found else None

    def whole_test(self, topic, attribute_caption, tab_rounds=0, read_report=True):
        """Every question answered by a digit key; on the first `tab_rounds` questions a
        Tab round goes through the choices and their boxes to Next Question."""
        titles, names, values = topic["titles"], topic["records"], self.attribute(topic, attribute_caption)["values"]
        count_ = len(titles)
        figure = f"question, {topic['testCaption']} / {attribute_caption}"
        self.pick("Test", topic, attribute_caption)
        asked, picked, whole = [], [], []
        heard = self.s.press("space")
        for q in range(count_):
            self.begin(f"test: question {q + 1} of {count_}")
            whole += heard
            self.count_words(figure, heard)
            self.check(says(heard, f"Question {q + 1} of {count_}"), f'arrival speaks "Question {q + 1} of {count_}"',
                       heard)
            self.check(not says_word(heard, "panel"), 'no "panel" after the question', heard)
            title = self.heard_title(heard, titles)
            self.check(title is not None, "arrival speaks the asked record (one title of the topic)", heard)
            asked.append(names[titles.index(title)] if title else None)
            if title and names[titles.index(title)] != title:
                # A house is asked by its title; the report will name it by its sign.
                sign = names[titles.index(title)]
                self.check(says_word(heard, sign), f'arrival speaks the house\'s sign "{sign}" too', heard)
            self.check(says(heard, attribute_caption), f'arrival speaks the attribute "{attribute_caption}"', heard)
            self.check(self.heard_value(heard, values) is not None,
                       "arrival speaks the focused choice (a value of the attribute)", heard)
            digit = str((q + 1) % 5 + 1)
            heard = self.s.press(digit)
            whole += heard
            choice = self.heard_value(heard, values)
            self.check(choice is not None, f"the digit {digit} speaks its choice, a value of the attribute", heard)
            self.check(not says(heard, "not selected"), f'the digit {digit} says no "not selected"', heard)
            self.check(says_word(heard, digit), f"the digit {digit} speaks the choice's number", heard)
            if q < tab_rounds:
                self.tab_through_choices(values, whole)
            else:
                self.tab_to_button("Next Question")
                whole += self.tab_stops + self.last_heard
            if choice is None:
                # Silent pick: learn the choice from the selected option button passed on
                # the way, so that the report can still be checked against it.
                choice = next((self.heard_value([stop], values) for stop in self.tab_stops
                               if "radio button" in stop and "not selected" not in stop), None)
            picked.append(choice)
            heard = self.s.press("space", quiet=1.0)
        self.begin("test: the instruction")
        for sentence in (INSTRUCTION, DIGITS_HINT):
            self.check(count(whole, sentence) == 1, f'"{sentence}" is heard once in the test', count(whole, sentence))
        self.report(topic, attribute_caption, asked, picked, heard, read_report)

    def tab_through_choices(self, values, whole):
        """Tab from the picked choice to Next Question: every stop says its text once, and a
        long choice's box reads only the line under its caret."""
        self.begin("test: Tab through the choices and their boxes")
        boxes = 0
        for _ in range(12):
            heard = self.s.press("Tab")
            whole += heard
            stop = normalised(" ".join(heard))
            for value in set(values):
                if says(heard, value):
                    self.check(count(heard, value) == 1, f"one Tab stop says a choice once: {value[:50]!r}", heard)
            if self.is_text_box(heard):
                boxes += 1
                line = self.line_under_caret(heard)
                self.check(line is not None and count(heard, line.rstrip(".")) == 1,
                           "a choice box reads its first line once, not its whole text", heard)
                if boxes == 1:
                    below = [u for u in self.s.press("Down") if u.strip()]
                    whole += below
                    self.check(any(says(below, v) or normalised(" ".join(below)).rstrip(".") in normalised(v)
                                   for v in values) and bool(below), "Down in a choice box reads its next line", below)
            if self.names_button(heard, "Next Question"):
                break
            if not stop:
                self.check(False, "every Tab stop speaks", heard)
        self.check(boxes > 0, "Tab passes the boxes of the long choices")

    def report(self, topic, attribute_caption, asked, picked, heard, read_lines=True):
        count = len(asked)
        test_line = f"{topic['testCaption']} - {attribute_caption}"
        self.begin("report: arrival")
        self.check(says(heard, "Orbelle Result"), 'arrival speaks "Orbelle Result"', heard)
        self.check(says(heard, test_line), f'arrival speaks "{test_line}"', heard)
        score = re.search(r"(\d+) Correct out of (\d+) Questions", normalised(" ".join(heard)))
        self.check(score is not None and int(score.group(2)) == count,
                   f'arrival speaks the score line "K Correct out of {count} Questions"', heard)
        if not read_lines:
            return

        self.begin("report: Down reads it line by line")
        first = self.s.press("Down")
        if not self.check(bool(first), "Down on the arrived report speaks (the report has the focus)", first):
            self.tab_to_name("Result report")
        else:
            self.s.press("ctrl+Home")
        lines = self.read_lines(until=lambda lines: re.search(r"\d+ Correct out of", lines[-1]) is not None,
                                most=4 * count + 12)
        text = [normalised(line) for line in lines]
        start = next((i for i, line in enumerate(text) if line.startswith("Question: ")), None)
        if not self.check(start is not None, 'Down reaches a "Question: " line', lines):
            return
        blocks = [text[i:i + 4] for i in range(start, start + 4 * count, 4)]
        for q, block in enumerate(blocks):
            if not self.check(len(block) == 4 and block[0].startswith("Question: ") and
                              block[1].startswith("Correct Answer: ") and block[2].startswith("Your Answer: ") and
                              block[3] == "", f"question {q + 1}: Question / Correct Answer / Your Answer / blank",
                              block):
                return
        names = [b[0][len("Question: "):] for b in blocks]
        correct = [b[1][len("Correct Answer: "):] for b in blocks]
        yours = [b[2][len("Your Answer: "):] for b in blocks]
        self.check(sorted(names) == sorted(normalised(n) for n in topic["records"]),
                   "every record of the topic is asked once", names)
        self.check(names == [normalised(n) if n else None for n in asked],
                   "the report lists the questions in the order they were asked", names)
        values = next(a for a in topic["attributes"] if a["caption"] == attribute_caption)["values"]
        rights = [normalised(values[topic["records"].index(n)]) if n in topic["records"] else None for n in names]
        self.check(correct == rights, "each Correct Answer is the asked record's value", correct)
        self.check(yours == [normalised(p) if p else None for p in picked],
                   "each Your Answer is the choice picked by its digit", yours)
        right = sum(1 for c, y in zip(correct, yours) if c == y)
        tail = text[start + 4 * count:]
        score_line = f"{right} Correct out of {count} Questions"
        self.check(score_line in tail, f'the last line is "{score_line}"', tail)

    # -- menus -----------------------------------------------------------------------

    def donate(self):
        """A command on the menu bar opens its page at once; the focus stays where it was,
        and Orca must know it: Where Am I names the control, not the menu item."""
        self.begin("menus: Donate, then Where Am I")
        heard = self.s.press("alt+d", quiet=1.5)
        self.transcript.write(f"  (after Donate) {heard!r}\n")
        heard = self.s.press("KP_Enter")
        self.check(not says_word(heard, "Donate"), "Where Am I no longer names Donate", heard)
        self.check(says(heard, "Learn Option"), "Where Am I names the focused option", heard)

    # -- the end ---------------------------------------------------------------------

    def exit_program(self):
        self.begin("end: File > Exit, then the exit screen")
        heard = self.s.press("alt+f")
        self.check(says_word(heard, "File") or says_word(heard, "Exit"), "Alt+F opens the File menu", heard)
        heard = self.s.press("x", quiet=1.5)
        self.check(says(heard, THANKS), f'the exit screen speaks "{THANKS}"', heard)
        self.s.press("Return")
        self.check(self.s.program_ended(10), "Return on Exit ends the program")

    def no_layered_pane(self):
        self.begin("whole log: no layered pane")
        with open(self.s.orca_log, encoding="utf-8", errors="replace") as log:
            spoken = [u.text for u in orca_session.SpeechLog.parse(log.read())]
        hits = [u for u in spoken if "layered pane" in u]
        self.check(not hits, 'no "layered pane" is spoken', hits[:3])


def read_knowledge(dump):
    try:
        return json.loads(subprocess.run([dump], check=True, capture_output=True, text=True).stdout)
    except (OSError, subprocess.CalledProcessError, ValueError) as error:
        sys.exit(f"cannot read the knowledge base from {dump}: {error}")


def scenarios(walk, knowledge):
    """The walks in the order they run, by name (for --only)."""
    learn = {t["learnCaption"]: t for t in knowledge["topics"]}
    test = {t["testCaption"]: t for t in knowledge["topics"]}
    return {
        "menus": walk.donate,
        "learn": lambda: walk.learn_walk(learn["Learn By Planets"], "Keywords"),
        "prose": lambda: walk.prose_walk(learn["Learn By Signs"], "Positive Traits"),
        "glyphs": lambda: walk.glyph_walk(learn["Learn By Signs"]),
        "test": lambda: (walk.whole_test(test["Test By Planets"], "Keywords"), walk.back_to_main()),
        "prose-test": lambda: (walk.whole_test(test["Test By Houses"], "Attributes", tab_rounds=1, read_report=False),
                               walk.back_to_main()),
        "exit": walk.exit_program,
    }


def print_figures(walk, out):
    for figure, counts in walk.figures.items():
        line = (f"words per {figure}: {min(counts)} to {max(counts)}, "
                f"{sum(counts) / len(counts):.1f} on average over {len(counts)}")
        print(line)
        out.write(line + "\n")


def run(args, knowledge):
    os.makedirs(args.out, exist_ok=True)
    with open(os.path.join(args.out, "transcript.txt"), "w", encoding="utf-8") as transcript:
        session = orca_session.OrcaSession(args.out, trace=lambda line: transcript.write(line + "\n"))
        walk = Walk(session, knowledge, transcript)
        chosen = scenarios(walk, knowledge)
        started = time.monotonic()
        try:
            session.start()
            walk.begin("launch")
            launch_speech = session.launch(args.program)
            transcript.write(f"  (no key) -> {launch_speech!r}\n")
            walk.welcome(launch_speech)
            for name, scenario in chosen.items():
                if not args.only or name in args.only:
                    scenario()
        except WalkAborted as aborted:
            print(f"ABORTED {aborted}", flush=True)
            transcript.write(f"\nABORTED {aborted}\n")
        except (OSError, RuntimeError, TimeoutError) as broken:
            # The desktop, Orca or the program would not run: the walk cannot judge anything.
            walk.check(False, f"the session runs ({type(broken).__name__}: {broken})")
        finally:
            try:
                walk.no_layered_pane()
            finally:
                session.close()
        summary = f"{len(walk.passes)} checks passed, {len(walk.failures)} failed in {time.monotonic() - started:.0f} s"
        transcript.write(f"\n{summary}\n")
        print_figures(walk, transcript)
    print(summary)
    print(f"transcript: {os.path.join(args.out, 'transcript.txt')}")
    for step, expected in walk.failures:
        print(f"  failed [{step}] {expected}")
    return 0 if not walk.failures else 1


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("program", help="the Orbelle executable")
    parser.add_argument("dump", help="the knowledge dump program")
    parser.add_argument("--out", default="build/a11y", help="folder for the transcript and the logs")
    parser.add_argument("--only", nargs="+", metavar="SCENARIO", help="run only these walks (menus, learn, prose, "
                        "glyphs, test, prose-test, exit)")
    args = parser.parse_args()
    args.program, args.dump, args.out = (os.path.abspath(p) for p in (args.program, args.dump, args.out))
    knowledge = read_knowledge(args.dump)  # before isolating, so that a broken build shows plainly
    if os.environ.get(orca_session.ISOLATED_MARK) != "1":
        reason = orca_session.why_it_cannot_run()
        if reason:
            print(f"make a11y cannot run here: {reason}", flush=True)
            return 1
    orca_session.isolate([os.path.abspath(__file__)] + sys.argv[1:], args.out)
    orca_session.reclaim_outputs()
    signal.signal(signal.SIGALRM, lambda *_: (_ for _ in ()).throw(TimeoutError("the walk took too long")))
    signal.alarm(WHOLE_RUN_SECONDS)
    return run(args, knowledge)


if __name__ == "__main__":
    sys.exit(main())
