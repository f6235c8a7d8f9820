"""Debian's screen reader, Orca, listening on a private desktop, with every utterance it makes written down.

Orca runs without a voice: speech-dispatcher is pointed at a socket that does not exist, and Orca then says
nothing aloud yet still hands every utterance to its speech layer. A customization file in its settings
folder, which Orca loads at start as it loads any user's, writes down each utterance with the time, and
each time Orca stops speech: its utterances queue up and are all heard in turn, unless speech is stopped
(as every key press stops it). Say All hands its lines to the speech server as it goes; they are written down
as the server takes them, marked as Say All's.

With ORCA_DEBUG set to a file name, Orca also writes its own debug log there, which shows why it said or
left out what it did (slower: a failing timing may pass with it, and the other way round).

Orca refuses to start while another Orca of the same user runs. As root it runs in a process namespace of
its own, where it sees no other Orca, so that tests and players on the same machine never meet.
"""

import os
import shutil
import subprocess
import tempfile
import time

from desktop_session import SessionError, wait_until

START_DEADLINE = 30.0

CUSTOMIZATION = '''
import time
from orca import speech

_speak = speech._speak

_stop = speech.stop

def _write(kind, text):
    with open({log!r}, "a", encoding="utf-8") as log:
        log.write("%.3f\\t%s\\t%s\\n" % (time.time(), kind, " ".join(text.split())))

def _speak_and_write(text, acss, interrupt):
    _write("say", text)
    _speak(text, acss, interrupt)

def _stop_and_write():
    _write("stop", "")
    _stop()

_say_all = speech.sayAll

def _say_all_and_write(utterances, progress):
    def written():
        for context, acss in utterances:
            _write("sayall", context.utterance)
            yield [context, acss]
    _say_all(written(), progress)

speech._speak = _speak_and_write
speech.stop = _stop_and_write
speech.sayAll = _say_all_and_write
'''


class Utterance:
    """Something said, or a stop of speech (with no text), at a time; Say All's lines are marked as such."""

    def __init__(self, line):
        stamp, kind, self.text = line.rstrip("\n").split("\t", 2)
        self.time, self.stops, self.say_all = float(stamp), kind == "stop", kind == "sayall"

    def __repr__(self):
        return "<stop>" if self.stops else repr(self.text)


class Orca:
    """Orca started on the session's display and bus; its utterances are read back with heard()."""

    def __init__(self, session):
        if not shutil.which("orca"):
            raise SessionError("Orca is not installed (Debian package orca)")
        self.session = session
        self.folder = tempfile.mkdtemp(prefix="corvane-orca-")
        self.log = os.path.join(self.folder, "speech.log")
        open(self.log, "w").close()
        with open(os.path.join(self.folder, "orca-customizations.py"), "w") as customization:
            customization.write(CUSTOMIZATION.format(log=self.log))
        self.process = None

    def __enter__(self):
        command = ["orca", "--user-prefs", self.folder]
        if os.environ.get("ORCA_DEBUG"):
            command.append(f"--debug-file={os.environ['ORCA_DEBUG']}")
        if os.geteuid() == 0 and shutil.which("unshare"):
            command = ["unshare", "--pid", "--mount-proc", "--fork", "--kill-child"] + command
        environment = dict(os.environ, SPEECHD_ADDRESS=f"unix_socket:{self.folder}/no-speech",
                           SPEECHD_CMD="/bin/false")
        self.output = open(os.path.join(self.folder, "orca.out"), "w")
        self.process = subprocess.Popen(command, env=environment, stdout=self.output, stderr=subprocess.STDOUT)
        try:
            wait_until(lambda: self.first_said(0, "Screen reader on") or self.process.poll() is not None,
                       START_DEADLINE, "Orca to start")
        except SessionError:
            self.__exit__()
            raise
        if self.process.poll() is not None:
            self.__exit__()
            raise SessionError(f"Orca ended at start: {self.report()}")
        return self

    def __exit__(self, *exc):
        if self.process is not None and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(5)
        self.output.close()
        shutil.rmtree(self.folder, ignore_errors=True)
        return False

    def heard(self):
        """Everything said and every stop of speech, in order."""
        with open(self.log, encoding="utf-8") as log:
            return [Utterance(line) for line in log if line.count("\t") >= 2]

    def first_said(self, moment, text):
        """The first utterance at or after moment that holds text, or None."""
        for utterance in self.heard():
            if utterance.time >= moment and not utterance.stops and text in utterance.text:
                return utterance
        return None

    def report(self):
        self.output.flush()
        with open(os.path.join(self.folder, "orca.out"), errors="replace") as output:
            return output.read().strip()[-2000:] or "nothing"
