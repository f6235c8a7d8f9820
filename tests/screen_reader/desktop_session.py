"""A private desktop for one test: an X server, a window manager and the accessibility bus.

Run the test inside its own D-Bus session (dbus-run-session), so that the accessibility bus it starts
and the game it talks to are seen by nobody else and end with it. Every wait has a deadline.
"""

import os
import select
import shutil
import subprocess
import tempfile
import time

START_DEADLINE = 30.0


class SessionError(RuntimeError):
    pass


class DesktopSession:
    """Xvfb on a free display, openbox when installed (unless the test asks for none), and the AT-SPI bus;
    ended in reverse order."""

    def __init__(self, width=1024, height=768, window_manager=True):
        self.size = (width, height)
        self.window_manager = window_manager
        self.processes = []
        self.display_pipe = None
        self.config_home = tempfile.mkdtemp(prefix="corvane-access-")

    def __enter__(self):
        if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
            raise SessionError("no D-Bus session: run this under dbus-run-session")
        self._start_x()
        if self.window_manager and shutil.which("openbox"):
            # Without a window manager a closed dialog does not hand the keyboard back to the game window.
            self._spawn(["openbox"])
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        wait_until(self._bus_answers, START_DEADLINE, "the accessibility bus")
        return self

    def __exit__(self, *exc):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(3)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait(3)
        if self.display_pipe is not None:
            os.close(self.display_pipe)
        shutil.rmtree(self.config_home, ignore_errors=True)
        return False

    @staticmethod
    def _bus_answers():
        """Whether the launcher started here owns its name on the session bus. Asking the bus itself for
        its address would start a second launcher by activation, one that knows no display."""
        try:
            reply = subprocess.run(["dbus-send", "--session", "--print-reply", "--reply-timeout=1000",
                                    "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                                    "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"],
                                   capture_output=True, text=True, timeout=3)
        except subprocess.TimeoutExpired:
            return False
        return reply.returncode == 0 and "boolean true" in reply.stdout

    def _spawn(self, command, **kwargs):
        process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs)
        self.processes.append(process)
        return process

    def _start_x(self):
        width, height = self.size
        read_end, write_end = os.pipe()
        server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
                                   "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
        self.processes.append(server)
        os.close(write_end)
        # Xvfb writes the number of the display it chose, and a new line, once it is ready for clients. A pipe
        # closed before it has written everything kills it, so the pipe stays open as long as the server runs.
        self.display_pipe = read_end
        written = b""
        deadline = time.monotonic() + START_DEADLINE
        while not written.endswith(b"\n") and time.monotonic() < deadline:
            ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
            chunk = os.read(read_end, 64) if ready else b""
            if not chunk:
                break
            written += chunk
        number = written.decode().strip() if written.endswith(b"\n") else ""
        if not number:
            raise SessionError("Xvfb did not start")
        os.environ["DISPLAY"] = ":" + number
        wait_until(self._display_answers, START_DEADLINE, f"display :{number} to answer")

    @staticmethod
    def _display_answers():
        try:
            return subprocess.run(["xdpyinfo"], capture_output=True, timeout=3).returncode == 0
        except subprocess.TimeoutExpired:
            return False

    def start_game(self, program, accessibility):
        """Starts the real program on this desktop with an empty settings folder of its own; what it says on
        its error output is kept in game_errors, for a test that fails to tell."""
        environment = dict(os.environ, XDG_CONFIG_HOME=self.config_home, QT_QPA_PLATFORM="xcb")
        environment.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
        if accessibility:
            environment["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        self.game_errors = tempfile.TemporaryFile()
        game = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=self.game_errors, env=environment)
        self.processes.append(game)
        return game

    def game_report(self, game):
        """How the game stands, for a failure message: running or ended, and what it said."""
        self.game_errors.seek(0)
        said = self.game_errors.read().decode(errors="replace").strip()
        state = "still running" if game.poll() is None else f"ended with {game.returncode}"
        return f"the game is {state}; it said: {said or 'nothing'}"


def wait_until(predicate, seconds, what, idle=None):
    """Polls predicate until it gives a true value, which it returns; fails with what after seconds."""
    deadline = time.monotonic() + seconds
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise SessionError(f"gave up waiting {seconds:g} s for {what}")
        if idle:
            idle()
        else:
            time.sleep(0.02)
