# SPDX-FileCopyrightText: 2026 Orbelle developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The reading of Orca's debug log: what the walk counts as heard decides every check."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from orca_session import SpeechLog  # noqa: E402

SAID = "07:41:48.090269 - SPEECH OUTPUT: '{}'{{'established': False}}\n"
ECHO = "07:41:51.616802 - SPEECH OUTPUT: '{} ' {{'established': False}}\n"
OTHER = "07:41:48.090419 - ORCA: Switching active mode from None to focus-tracking\n"


def heard(log):
    return [(u.text, u.echo) for u in SpeechLog.parse(log)]


class SpeechLogTest(unittest.TestCase):
    def test_program_speech_and_key_echo_are_told_apart(self):
        log = SAID.format("Next push button.") + ECHO.format("tab") + OTHER
        self.assertEqual(heard(log), [("Next push button.", False), ("tab ", True)])

    def test_text_with_line_breaks_and_quotes_is_one_utterance(self):
        log = SAID.format("Question: Leo\r\nCorrect Answer: Fire\nit's") + OTHER
        self.assertEqual(heard(log), [("Question: Leo\r\nCorrect Answer: Fire\nit's", False)])

    def test_other_voice_is_still_speech(self):
        log = "07:41:48.224581 - SPEECH OUTPUT: 'Orbelle' voice=uppercase{'average-pitch': 7.0}\n"
        self.assertEqual(heard(log), [("Orbelle", False)])

    def test_continuation_lines_of_other_entries_are_not_speech(self):
        log = "07:41:48.089000 - SPEECH GENERATOR: result\n                  'PAUSE'\n" + SAID.format("layered pane")
        self.assertEqual(heard(log), [("layered pane", False)])

    def test_an_utterance_is_reported_once_it_is_complete(self):
        with tempfile.NamedTemporaryFile("w", suffix=".log", delete=False) as f:
            path = f.name
        self.addCleanup(os.remove, path)
        log = SpeechLog(path)
        with open(path, "a") as f:
            f.write("07:41:48.090269 - SPEECH OUTPUT: 'first line\n")
            f.flush()
            self.assertEqual(log.read(), [])
            f.write("second line'{'established': False}\n")
            f.flush()
            self.assertEqual([u.text for u in log.read()], ["first line\nsecond line"])
            f.write(OTHER)
            f.flush()
            self.assertEqual(log.read(), [])


if __name__ == "__main__":
    unittest.main()
