# SPDX-FileCopyrightText: 2026 Orbelle developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A private desktop with the real Orca listening: an X server in memory, a window
manager, a session bus, speech-dispatcher with its silent output module, Orca writing
its debug log, and the program under test. `press` types like a person and returns
what Orca said about it.

`orca --replace` ends every process named orca that it can see, so the whole session
runs in its own PID namespace (`isolate`), where it cannot see a user's screen reader
or another walk; ending the namespace ends everything started in it."""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

ISOLATED_MARK = "ORBELLE_A11Y_ISOLATED"

# Orca writes its log through a block buffer; reopening it line-buffered lets the walk
# read each utterance while Orca runs.
ORCA_CUSTOMIZATIONS = """\
import orca.debug as debug
if debug.debugFile:
    debug.debugFile = open(debug.debugFile.name, "a", buffering=1)
"""

# No sound card is needed: the dummy module accepts every message, and its audio
# goes to ALSA's null device.
SPEECHD_CONF = """\
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
"""

ENTRY_START = re.compile(r"^\d\d:\d\d:\d\d\.\d{6} - ")
# What the user hears: SPEECH OUTPUT: 'text' then the voice. A blank before the voice
# marks the echo of a typed key (or a single character), which is not program speech.
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'((?: voice=\S+)?)( ?)(\{.*\})$", re.DOTALL)

SETTLE_QUIET = 0.8  # seconds without a new utterance that count as "speech has settled"
SETTLE_MAX = 6.0
KEY_GAP = 0.12  # between modifier and key, as a person types a chord


def _display_in_use(number):
    if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(f"/tmp/.X11-unix/X{number}"):
        return True
    try:
        with open("/proc/net/unix") as sockets:
            return f"@/tmp/.X11-unix/X{number}\n" in sockets.read()
    except OSError:
        return False


NEEDED = ("orca", "Xvfb", "openbox", "xdotool", "dbus-run-session", "speech-dispatcher", "unshare")


def _isolation_prefix():
    prefix = ["unshare", "--pid", "--fork", "--mount-proc"]
    if os.geteuid() != 0:
        prefix[1:1] = ["--user", "--map-root-user"]
    return prefix


def why_it_cannot_run():
    """None when the walk can run here, else the reason in one line."""
    missing = [tool for tool in NEEDED if not shutil.which(tool)]
    if missing:
        return f"{', '.join(missing)} not installed (scripts/install-deps.sh build a11y installs them)"
    try:
        probe = subprocess.run(_isolation_prefix() + ["true"], capture_output=True, text=True, timeout=20)
    except (OSError, subprocess.TimeoutExpired) as error:
        return f"cannot start a private PID namespace ({error})"
    if probe.returncode != 0:
        reason = " ".join(probe.stderr.split()) or f"exit status {probe.returncode}"
        return f"cannot start a private PID namespace with its own /proc: {reason}"
    return None


def isolate(argv, out_dir):
    """Re-runs this Python program inside its own PID namespace and session bus, once.

    The X display is chosen out here: inside the namespace the process ids in other
    servers' lock files are invisible, so Xvfb would take their locks for stale. The
    session bus and the services it starts chatter on stdout and stderr; that goes to
    out_dir/session.log, and the program itself gets the original outputs back through
    descriptors 3 and 4 (`reclaim_outputs`)."""
    if os.environ.get(ISOLATED_MARK) == "1":
        return
    display = next(n for n in range(90, 400) if not _display_in_use(n))
    prefix = _isolation_prefix()
    env = dict(os.environ, **{ISOLATED_MARK: "1", "ORBELLE_A11Y_DISPLAY": str(display)})
    command = prefix + ["dbus-run-session", "--", sys.executable] + argv
    os.makedirs(out_dir, exist_ok=True)
    sys.stdout.flush()
    os.dup2(1, 3, inheritable=True)
    os.dup2(2, 4, inheritable=True)
    chatter = os.open(os.path.join(out_dir, "session.log"), os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o644)
    os.dup2(chatter, 1)
    os.dup2(chatter, 2)
    os.close(chatter)
    os.execvpe(command[0], command, env)


def reclaim_outputs():
    for saved, original in ((3, 1), (4, 2)):
        try:
            os.dup2(saved, original)
            os.close(saved)
        except OSError:
            pass


def normalised(text):
    return " ".join(text.split())


class Utterance:
    def __init__(self, text, echo):
        self.text = text
        self.echo = echo


class SpeechLog:
    """Follows Orca's debug log and yields complete utterances as they are written.
    A log entry starts with a time stamp; a spoken text with line breaks runs on
    over the following lines."""

    def __init__(self, path=None):
        self._file = open(path, "r", encoding="utf-8", errors="replace") if path else None
        self._partial = ""
        self._entry = None  # lines of the log entry still being written

    @staticmethod
    def parse(text):
        """Every utterance of a whole log."""
        log = SpeechLog()
        out = log._feed(text + "\n")
        log._finish(out)
        return out

    def read(self):
        return self._feed(self._file.read())

    def _finish(self, out):
        if self._entry is None:
            return
        match = SPEECH.search("\n".join(self._entry))
        self._entry = None
        if match:
            out.append(Utterance(match.group(1), bool(match.group(3))))

    def _feed(self, data):
        out = []
        lines = (self._partial + data).split("\n")
        self._partial = lines.pop()
        for line in lines:
            if ENTRY_START.match(line):
                self._finish(out)
                self._entry = [line]
            elif self._entry is not None:
                self._entry.append(line)
        # An utterance that already ends with its voice is complete: no need to wait
        # for the next entry.
        if self._entry and SPEECH.search("\n".join(self._entry)):
            self._finish(out)
        return out


class OrcaSession:
    def __init__(self, out_dir, trace=None):
        self.out_dir = out_dir
        self.trace = trace or (lambda text: None)
        self.root = tempfile.mkdtemp(prefix="orbelle-a11y-")
        self.orca_log = os.path.join(out_dir, "orca-debug.log")
        self.heard = []  # every program utterance of the session, in order
        self._processes = []
        self._program = None
        self._display = None

    # -- set-up ----------------------------------------------------------------------

    def _private_home(self, name):
        env = dict(os.environ)
        base = os.path.join(self.root, name)
        for variable, sub in (
            ("HOME", "home"),
            ("XDG_CONFIG_HOME", "config"),
            ("XDG_DATA_HOME", "data"),
            ("XDG_CACHE_HOME", "cache"),
            ("XDG_RUNTIME_DIR", "runtime"),
        ):
            path = os.path.join(base, sub)
            os.makedirs(path, mode=0o700, exist_ok=True)
            env[variable] = path
        env["DISPLAY"] = f":{self._display}"
        return env

    def _background(self, command, env, log_name):
        log = open(os.path.join(self.out_dir, log_name), "w")
        process = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
        self._processes.append(process)
        return process

    def _start_x(self):
        self._display = int(os.environ["ORBELLE_A11Y_DISPLAY"])
        ready_read, ready_write = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", f":{self._display}", "-displayfd", str(ready_write), "-screen", "0", "1280x1024x24",
             "-nolisten", "tcp"],
            pass_fds=(ready_write,),
            stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL,
            stderr=open(os.path.join(self.out_dir, "xvfb.log"), "w"),
        )
        self._processes.append(xvfb)
        os.close(ready_write)
        with os.fdopen(ready_read) as ready:
            if not ready.readline().strip():  # written once the server accepts clients
                raise RuntimeError(f"Xvfb could not start on :{self._display} (see xvfb.log)")

    def start(self):
        os.makedirs(self.out_dir, exist_ok=True)
        self._start_x()
        desktop = self._private_home("desktop")
        self._background(["openbox"], desktop, "openbox.log")

        orca = self._private_home("orca")
        os.makedirs(os.path.join(orca["XDG_DATA_HOME"], "orca"), exist_ok=True)
        with open(os.path.join(orca["XDG_DATA_HOME"], "orca", "orca-customizations.py"), "w") as f:
            f.write(ORCA_CUSTOMIZATIONS)
        os.makedirs(os.path.join(orca["XDG_CONFIG_HOME"], "speech-dispatcher"), exist_ok=True)
        with open(os.path.join(orca["XDG_CONFIG_HOME"], "speech-dispatcher", "speechd.conf"), "w") as f:
            f.write(SPEECHD_CONF)
        if os.path.exists(self.orca_log):
            os.remove(self.orca_log)
        self._background(["orca", "--replace", "--debug-file=" + self.orca_log], orca, "orca.log")
        deadline = time.monotonic() + 30
        while not os.path.exists(self.orca_log):
            if time.monotonic() > deadline:
                raise RuntimeError("Orca wrote no debug log (see orca.log)")
            time.sleep(0.1)
        self._speech = SpeechLog(self.orca_log)
        self._wait_for(lambda u: u.text.startswith("Screen reader on"), 30, "Orca to say it is on")
        self._check_speech_server()

    def _wait_for(self, condition, seconds, what):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            for utterance in self._speech.read():
                if condition(utterance):
                    return
            time.sleep(0.1)
        raise RuntimeError(f"timed out waiting for {what}")

    def _check_speech_server(self):
        # Orca logs what it would say even without a speech server; make sure the
        # speech really goes to speech-dispatcher, as it does for a user. Inside the
        # namespace /proc shows only the session's own processes.
        deadline = time.monotonic() + 15
        while not any(self._process_named("speech-dispatch", pid) for pid in os.listdir("/proc") if pid.isdigit()):
            if time.monotonic() > deadline:
                raise RuntimeError("speech-dispatcher is not running (see orca-debug.log)")
            time.sleep(0.2)
        with open(self.orca_log, encoding="utf-8", errors="replace") as f:
            log = f.read()
        if "SpawnError" in log or "SSIPCommunicationError" in log:
            raise RuntimeError("Orca could not reach speech-dispatcher (see orca-debug.log)")

    @staticmethod
    def _process_named(name, pid):
        try:
            with open(f"/proc/{pid}/comm") as comm:
                return comm.read().strip() == name
        except OSError:
            return False

    def launch(self, program, quiet=2.0, at_most=20.0):
        """Starts the program and returns what Orca said until it fell quiet."""
        env = self._private_home("program")
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env.pop("QT_QPA_PLATFORM", None)
        self._program = self._background([program], env, "program.log")
        return self.listen(quiet=quiet, at_most=at_most, first_wait=at_most)

    # -- listening and typing --------------------------------------------------------

    def listen(self, quiet=SETTLE_QUIET, at_most=SETTLE_MAX, first_wait=None):
        """What Orca says until it has been quiet for `quiet` seconds (at most `at_most`).
        With `first_wait`, waits that long for the first utterance of the program."""
        start = time.monotonic()
        last = start
        heard = []
        spoke = False
        while True:
            now = time.monotonic()
            for utterance in self._speech.read():
                last = now
                if not utterance.echo:
                    spoke = True
                    heard.append(utterance.text)
            limit = first_wait if (first_wait and not spoke) else at_most
            if now - start >= limit or (now - last >= quiet and (spoke or not first_wait)):
                break
            time.sleep(0.05)
        self.heard.extend(heard)
        return heard

    def _xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=dict(os.environ, DISPLAY=f":{self._display}"), check=True)

    def type_key(self, chord):
        """Types one key or chord ("Tab", "alt+f", "shift+Tab") as a person would."""
        *modifiers, key = chord.split("+")
        for modifier in modifiers:
            self._xdotool("keydown", modifier)
            time.sleep(KEY_GAP)
        self._xdotool("keydown", key)
        time.sleep(0.03)
        self._xdotool("keyup", key)
        for modifier in reversed(modifiers):
            time.sleep(KEY_GAP)
            self._xdotool("keyup", modifier)

    def press(self, chord, quiet=SETTLE_QUIET, at_most=SETTLE_MAX):
        """Types a key or chord and returns what Orca said after it, once settled."""
        self.type_key(chord)
        heard = self.listen(quiet=quiet, at_most=at_most)
        self.trace(f"  {chord} -> {heard!r}")
        return heard

    # -- the program -----------------------------------------------------------------

    def program_ended(self, seconds):
        try:
            self._program.wait(timeout=seconds)
            return True
        except subprocess.TimeoutExpired:
            return False

    def close(self):
        for process in reversed(self._processes):
            if process.poll() is None:
                process.terminate()
        for process in reversed(self._processes):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
        shutil.rmtree(self.root, ignore_errors=True)
