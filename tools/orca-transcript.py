#!/usr/bin/python3
"""Run a program under the real Orca screen reader, headless, and print what
Orca says after each key press.

The tool starts a whole throw-away session itself: Xvfb, a D-Bus session bus,
the AT-SPI bus (at-spi-bus-launcher), openbox, speech-dispatcher with espeak-ng
writing to a null ALSA device (so no sound card is needed), and Orca with a
fresh settings folder, all in a temporary HOME. Then it starts the program with
Qt's accessibility switched on, waits until the program's window is up and Orca
has gone quiet, sends the steps one by one, and prints what Orca spoke after
each step (the "SPEECH OUTPUT" lines of Orca's debug log). At the end it tears
everything down.

Usage (use Debian's python3, because pyatspi and Orca are Debian packages):

    /usr/bin/python3 tools/orca-transcript.py --program build/app/chiffrarium \\
        -- Tab Tab Right ctrl+Tab

    /usr/bin/python3 tools/orca-transcript.py --program build/app/chiffrarium \\
        --env CHIFFRARIUM_LAUFWERK_A=/tmp/a --script keys.txt --json

Steps go on the command line after "--", or one per line in --script (a line
that starts with '#' is a comment):
    Tab, ctrl+Tab, shift+F10, Return ...  an xdotool key name (xdotool key)
    "Return Return"                       several keys in one step, sent
                                          about 12 ms apart
    type:hallo                            types the text (xdotool type)
    sleep:0.5                             waits that many seconds
    run:COMMAND                           runs a shell command inside the
                                          session (DISPLAY and D-Bus are set),
                                          e.g. a pyatspi script; its output
                                          is printed as "#" lines
A step's speech is everything Orca says from the moment the step starts until
Orca's log has been quiet for --quiet seconds (but no longer than
--step-timeout). The first section, "start", is what Orca said when the
program's window came up.

Other useful options:
  --keep-log FILE        keep Orca's full debug log
  --also REGEX           also print the debug-log lines that match REGEX
                         (e.g. "bad content")
  --program-output FILE  keep the program's stdout and stderr
  --interrupts           mark where Orca cut speech off ("Interrupting
                         presentation"), and whether a key press or an event
                         did it; Orca 43 queues all other speech
  --no-key-echo          switch off Orca's key echo
  --lang                 LANG for Orca and the program (default C.UTF-8, so
                         Orca's own words are English)

The program's environment is this tool's environment, plus the session's
variables (DISPLAY, D-Bus, HOME, XDG_*, Qt accessibility), plus --env.

Needs these Debian packages: orca speech-dispatcher speech-dispatcher-espeak-ng
espeak-ng at-spi2-core python3-pyatspi xvfb xdotool openbox x11-utils and dbus.
It works as root.

Exit status: 0 on success; 1 if a part of the session (Xvfb, D-Bus, AT-SPI,
speech-dispatcher, Orca, the program or its window) did not come up, or if
Orca died during the run; 2 for a bad command line.
"""

import argparse
import json
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

ORCA = "/usr/bin/orca"
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"

# This launcher runs Orca the way /usr/bin/orca does, with two changes. Orca's
# debug file is line-buffered, so we can read the log while Orca runs. And
# Orca's check for other Orcas of the same user is switched off, because
# another session's Orca has nothing to do with this one. We do not pass
# --replace either: it kills every Orca of the user.
ORCA_LAUNCHER = r"""
import builtins, sys
debug_file, orca_path = sys.argv[1], sys.argv[2]
_open = builtins.open
def _open_line_buffered(file, mode="r", buffering=-1, *args, **kwargs):
    if file == debug_file and "w" in mode:
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)
builtins.open = _open_line_buffered
sys.argv = [orca_path, "--debug-file", debug_file] + sys.argv[3:]
namespace = {"__name__": "orca_launcher", "__file__": orca_path}
with _open(orca_path) as source:
    exec(compile(source.read(), orca_path, "exec"), namespace)
namespace["otherOrcas"] = lambda: []
sys.exit(namespace["main"]())
"""

# espeak-ng has to be able to write its audio somewhere. If it cannot, its
# module hangs, and Orca blocks after the first utterance.
SPEECHD_CONF = """\
AudioOutputMethod "alsa"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
"""
ASOUNDRC = "pcm.!default { type null }\n"

ORCA_READY = "ORCA: Starting registry"
SPEECH_PREFIX = "SPEECH OUTPUT: '"
# After the spoken text, Orca writes an optional voice name and then the voice
# settings (a dict or None).
SPEECH_TAIL = re.compile(r"(.*?)'(?: voice=\S+)?\s*(?:None|\{.*\})?\s*$", re.S)
TIMESTAMP = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - ")
INTERRUPT = "Interrupting presentation"
CONTINUATION = " " * 18  # Orca indents the later lines of a multi-line text
KEY_PRESS_BEGIN = "vvvvv PROCESS ATSPI_KEY_PRESSED"
KEY_PRESS_END = "^^^^^ PROCESS ATSPI_KEY_PRESSED"
# Variables of the caller's environment that would point the program at
# another desktop or make Qt keep quiet on the accessibility bus.
NOT_INHERITED = ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
                 "AT_SPI_BUS_ADDRESS", "NO_AT_BRIDGE", "QT_QPA_PLATFORM",
                 "SESSION_MANAGER", "XAUTHORITY")


class SessionError(Exception):
    """A part of the headless session did not come up, or died."""


def parse_steps(args, script):
    steps = []
    if script:
        with open(script, encoding="utf-8") as f:
            for line in f:
                line = line.strip()
                if line and not line.startswith("#"):
                    steps.append(line)
    steps.extend(args)
    for step in steps:
        if step.startswith("sleep:"):
            try:
                float(step[6:])
            except ValueError:
                raise ValueError(f"bad step {step!r}: sleep: needs seconds, "
                                 "e.g. sleep:0.5") from None
    return steps


class DebugLog:
    """Reads Orca's line-buffered debug log as it grows."""

    def __init__(self, path):
        self.path = path
        self.offset = 0
        self.partial = ""
        self.last_growth = time.monotonic()

    def read_new(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as f:
                f.seek(self.offset)
                data = f.read()
                self.offset = f.tell()
        except FileNotFoundError:
            return []
        if not data:
            return []
        self.last_growth = time.monotonic()
        lines = (self.partial + data).split("\n")
        self.partial = lines.pop()
        return lines

    def collect(self, quiet, timeout, until=None):
        """Collects lines until the log has not grown for `quiet` seconds
        (and `until(lines)` holds, if it is given), or until `timeout`
        seconds have passed. Returns (lines, whether `until` held)."""
        lines = []
        start = self.last_growth = time.monotonic()
        while True:
            lines += self.read_new()
            now = time.monotonic()
            done = until is None or until(lines)
            if done and now - self.last_growth >= quiet:
                return lines, True
            if now - start >= timeout:
                return lines, done
            time.sleep(0.05)


def speech_of(lines, also, interrupts):
    """The spoken texts in a run of debug-log lines, and the extra lines
    that were asked for."""
    out = []
    in_key_press = False
    i = 0
    while i < len(lines):
        line = TIMESTAMP.sub("", lines[i])
        i += 1
        if line.startswith((KEY_PRESS_BEGIN, KEY_PRESS_END)):
            in_key_press = line.startswith(KEY_PRESS_BEGIN)
        at = line.find(SPEECH_PREFIX)
        if at >= 0:
            text = line[at + len(SPEECH_PREFIX):]
            while (not SPEECH_TAIL.fullmatch(text) and i < len(lines)
                   and lines[i].startswith(CONTINUATION)):
                text += "\n" + lines[i][len(CONTINUATION):]
                i += 1
            m = SPEECH_TAIL.fullmatch(text)
            out.append({"speech": m.group(1) if m else text})
        elif interrupts and INTERRUPT in line:
            out.append({"interrupt": "key press" if in_key_press else "event"})
        elif any(r.search(line) for r in also):
            out.append({"log": line})
    return out


class Session:
    def __init__(self, opts):
        self.opts = opts
        self.tmp = tempfile.mkdtemp(prefix="orca-transcript-")
        # Every process of the session carries this in its environment, so
        # the teardown can also find what the session's programs started.
        self.marker = f"ORCA_TRANSCRIPT_SESSION={self.tmp}"
        self.procs = []  # (name, Popen), in the order they were started
        self.env = None
        self.log = None
        self.orca = None
        self.program = None

    # -- helpers -------------------------------------------------------
    def spawn(self, name, argv, env=None, **kwargs):
        kwargs.setdefault("stdout", self.logfile(name))
        kwargs.setdefault("stderr", subprocess.STDOUT)
        try:
            p = subprocess.Popen(argv, env=env or self.env,
                                 stdin=subprocess.DEVNULL,
                                 start_new_session=True, **kwargs)
        except OSError as e:
            raise SessionError(f"cannot start {name} ({argv[0]}): {e}")
        self.procs.append((name, p))
        return p

    def logfile(self, name):
        return open(os.path.join(self.tmp, name + ".log"), "wb")

    def tail(self, name, n=15):
        try:
            with open(os.path.join(self.tmp, name + ".log"),
                      errors="replace") as f:
                return "".join(f.readlines()[-n:])
        except OSError:
            return ""

    LABELS = {"xvfb": "Xvfb", "dbus": "the D-Bus session bus",
              "at-spi": "at-spi-bus-launcher", "speechd": "speech-dispatcher",
              "orca": "Orca", "program": "the program"}

    def check_alive(self, name, p):
        """Raises SessionError if the process `p` (spawned as `name`) has
        ended."""
        if p.poll() is not None:
            label = self.LABELS.get(name, name)
            raise SessionError(f"{label} exited with status {p.returncode}; "
                               f"the end of its output:\n{self.tail(name)}")

    def run(self, argv, timeout=30):
        try:
            return subprocess.run(argv, env=self.env,
                                  stdin=subprocess.DEVNULL,
                                  capture_output=True, text=True,
                                  timeout=timeout)
        except subprocess.TimeoutExpired as e:
            return subprocess.CompletedProcess(
                argv, -1, e.stdout or "",
                f"{argv[0]} timed out after {timeout} s")

    def wait_for(self, what, test, timeout, proc=None):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if proc is not None:
                self.check_alive(*proc)
            result = test()
            if result:
                return result
            time.sleep(0.1)
        raise SessionError(f"{what} did not come up within {timeout:g} s")

    # -- start ---------------------------------------------------------
    def start(self):
        o = self.opts
        for tool in ("Xvfb", "dbus-daemon", "dbus-send", "openbox",
                     "speech-dispatcher", "xdotool", "xprop"):
            if not shutil.which(tool):
                raise SessionError(f"{tool} not found; install the packages "
                                   "that this tool's docstring lists")
        for path in (o.orca, BUS_LAUNCHER):
            if not os.path.exists(path):
                raise SessionError(f"{path} not found; install orca and "
                                   "at-spi2-core")

        home = os.path.join(self.tmp, "home")
        run = os.path.join(self.tmp, "run")
        conf = os.path.join(home, ".config")
        speechd_conf = os.path.join(conf, "speech-dispatcher")
        os.makedirs(speechd_conf)
        os.makedirs(run, mode=0o700)
        with open(os.path.join(speechd_conf, "speechd.conf"), "w") as f:
            f.write(SPEECHD_CONF)
        with open(os.path.join(home, ".asoundrc"), "w") as f:
            f.write(ASOUNDRC)

        env = {k: v for k, v in os.environ.items() if k in ("PATH", "TZ")}
        env.setdefault("PATH", "/usr/local/bin:/usr/bin:/bin")
        env.update(HOME=home, XDG_RUNTIME_DIR=run, XDG_CONFIG_HOME=conf,
                   XDG_CACHE_HOME=os.path.join(home, ".cache"),
                   XDG_DATA_HOME=os.path.join(home, ".local", "share"),
                   LANG=o.lang, LANGUAGE="", LC_ALL="",
                   GSETTINGS_BACKEND="memory")
        key, _, value = self.marker.partition("=")
        env[key] = value
        self.env = env

        # Xvfb picks a free display and writes its number into a pipe.
        # -noreset: otherwise the server resets whenever its last client
        # leaves (e.g. the AT-SPI launcher after setting its root property),
        # and a client connecting meanwhile (openbox) fails.
        rfd, wfd = os.pipe()
        xvfb = self.spawn("xvfb", ["Xvfb", "-displayfd", str(wfd),
                                   "-screen", "0", o.screen, "-noreset",
                                   "-nolisten", "tcp"], pass_fds=(wfd,))
        os.close(wfd)
        number = b""
        end = time.monotonic() + o.startup_timeout
        while not number.endswith(b"\n") and time.monotonic() < end:
            ready, _, _ = select.select([rfd], [], [], 0.2)
            if ready:
                chunk = os.read(rfd, 64)
                if not chunk:
                    break
                number += chunk
            self.check_alive("xvfb", xvfb)
        os.close(rfd)
        if not number.strip():
            raise SessionError("Xvfb did not come up:\n" + self.tail("xvfb"))
        env["DISPLAY"] = ":" + number.decode().strip()

        bus = self.spawn("dbus", ["dbus-daemon", "--session", "--nofork",
                                  "--print-address=1"],
                         stdout=subprocess.PIPE, stderr=self.logfile("dbus"))
        ready, _, _ = select.select([bus.stdout], [], [], o.startup_timeout)
        address = bus.stdout.readline().decode().strip() if ready else ""
        if not address:
            raise SessionError("the D-Bus session bus did not come up:\n"
                               + self.tail("dbus"))
        env["DBUS_SESSION_BUS_ADDRESS"] = address

        launcher = self.spawn("at-spi", [BUS_LAUNCHER, "--launch-immediately"])
        self.wait_for("the AT-SPI bus", lambda: self.run(
            ["dbus-send", "--session", "--print-reply",
             "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"]).returncode == 0,
            o.startup_timeout, ("at-spi", launcher))

        wm = self.spawn("openbox", ["openbox", "--sm-disable"])
        self.wait_for("openbox", lambda: "window id" in self.run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]).stdout,
            o.startup_timeout, ("openbox", wm))

        # The session's own speech-dispatcher, on the default socket under
        # XDG_RUNTIME_DIR, where Orca's client looks for it.
        sd = self.spawn("speechd", ["speech-dispatcher", "--run-single",
                                    "--timeout", "0",
                                    "--config-dir", speechd_conf,
                                    "--log-dir", self.tmp])
        sock = os.path.join(run, "speech-dispatcher", "speechd.sock")
        self.wait_for("speech-dispatcher", lambda: os.path.exists(sock),
                      o.startup_timeout, ("speechd", sd))

        debug_file = os.path.join(self.tmp, "orca-debug.out")
        orca_args = ["-u", os.path.join(self.tmp, "orca-prefs"),
                     "--disable", "braille"]
        if o.no_key_echo:
            orca_args += ["--disable", "key-echo"]
        self.orca = self.spawn("orca", ["/usr/bin/python3", "-c",
                                        ORCA_LAUNCHER, debug_file, o.orca]
                               + orca_args)
        self.log = DebugLog(debug_file)
        seen = []

        def orca_ready():
            seen.extend(self.log.read_new())
            return any(ORCA_READY in line for line in seen)
        self.wait_for("Orca", orca_ready, o.startup_timeout,
                      ("orca", self.orca))
        self.log.collect(o.quiet, o.step_timeout)  # "Screen reader on."

        penv = {k: v for k, v in os.environ.items()
                if k not in NOT_INHERITED and not k.startswith("XDG_")}
        penv.update(env)
        penv.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                    QT_QPA_PLATFORM="xcb")
        for item in o.env:
            key, _, value = item.partition("=")
            penv[key] = value
        self.program = self.spawn("program", [o.program] + o.program_arg,
                                  env=penv)

        def window():
            return self.run(["xdotool", "search", "--onlyvisible", "--pid",
                             str(self.program.pid)]).stdout.split()[:1]
        win = self.wait_for("the program's window", window,
                            o.startup_timeout, ("program", self.program))
        self.run(["xdotool", "windowactivate", "--sync", win[0]], timeout=10)

        # Orca has noticed the program once it has said something after the
        # window came up. Then wait until it is quiet.
        lines, spoke = self.log.collect(
            o.quiet, o.startup_timeout,
            until=lambda ls: any(SPEECH_PREFIX in line for line in ls))
        self.check_alive("orca", self.orca)
        self.check_alive("program", self.program)
        if not spoke:
            raise SessionError(
                "Orca said nothing when the program's window came up (does "
                "the program show up on the accessibility bus? Is the window "
                "focused?)")
        return lines

    # -- steps ---------------------------------------------------------
    def step(self, step):
        """Carries out one step. Returns (notes, Orca's log lines)."""
        notes = []
        if step.startswith("sleep:"):
            time.sleep(float(step[6:]))
        elif step.startswith("run:"):
            r = self.run(["/bin/sh", "-c", step[4:]], timeout=120)
            notes += (r.stdout + r.stderr).splitlines()
            if r.returncode:
                notes.append(f"(exit status {r.returncode})")
        elif step.startswith("type:"):
            r = self.run(["xdotool", "type", "--delay", "80", step[5:]],
                         timeout=120)
            if r.returncode or r.stderr.strip():
                notes.append(f"xdotool: {r.stderr.strip()}")
        else:
            r = self.run(["xdotool", "key"] + step.split())
            if r.returncode or r.stderr.strip():
                notes.append(f"xdotool: {r.stderr.strip()}")
        lines, _ = self.log.collect(self.opts.quiet, self.opts.step_timeout)
        if self.orca.poll() is not None:
            raise SessionError(f"Orca died during step {step!r} (status "
                               f"{self.orca.returncode}):\n"
                               + "\n".join(lines[-15:]))
        return notes, lines

    # -- teardown ------------------------------------------------------
    def stop(self):
        for name, p in reversed(self.procs):
            if p.poll() is not None:
                continue
            try:
                os.killpg(p.pid, signal.SIGTERM)
                p.wait(timeout=5)
            except ProcessLookupError:
                pass
            except subprocess.TimeoutExpired:
                try:
                    os.killpg(p.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                p.wait(timeout=5)
        # What the session's programs started and left behind (the AT-SPI
        # registry, D-Bus activated services) carries the marker too.
        for sig in (signal.SIGTERM, signal.SIGKILL):
            left = self.leftovers()
            for pid in left:
                try:
                    os.kill(pid, sig)
                except OSError:
                    pass
            if left and sig == signal.SIGTERM:
                time.sleep(1)
        for path, keep in ((os.path.join(self.tmp, "program.log"),
                            self.opts.program_output),
                           (self.log and self.log.path, self.opts.keep_log)):
            if keep and path:
                try:
                    shutil.copy(path, keep)
                except OSError as e:
                    print(f"orca-transcript: cannot keep {path}: {e}",
                          file=sys.stderr)
        shutil.rmtree(self.tmp, ignore_errors=True)

    def leftovers(self):
        needle = self.marker.encode()
        pids = []
        for pid in os.listdir("/proc"):
            if not pid.isdigit() or int(pid) == os.getpid():
                continue
            try:
                with open(f"/proc/{pid}/environ", "rb") as f:
                    if needle in f.read().split(b"\0"):
                        pids.append(int(pid))
            except OSError:
                pass
        return pids


def print_transcript(transcript):
    for entry in transcript:
        print(f"== {entry['step']}")
        for item in entry["said"]:
            if "speech" in item:
                text = item["speech"]
                print(f"  {text!r}" if "\n" in text else f"  '{text}'")
            elif "interrupt" in item:
                print(f"  [speech interrupted by {item['interrupt']}]")
            else:
                print(f"  # {item['log']}")


def main(argv=None):
    ap = argparse.ArgumentParser(
        description="Print what Orca says after each key press "
        "(the docstring of this file says more).")
    ap.add_argument("--program", required=True, help="program to start")
    ap.add_argument("--program-arg", action="append", default=[],
                    metavar="ARG", help="argument for the program (repeat)")
    ap.add_argument("--env", action="append", default=[], metavar="NAME=VALUE",
                    help="environment variable for the program (repeat)")
    ap.add_argument("--script", help="file with one step per line")
    ap.add_argument("--json", action="store_true",
                    help="print the transcript as JSON")
    ap.add_argument("--quiet", type=float, default=1.0, metavar="S",
                    help="a step ends when Orca's log has been quiet this "
                    "long (default 1.0)")
    ap.add_argument("--step-timeout", type=float, default=10, metavar="S",
                    help="longest wait for one step (default 10)")
    ap.add_argument("--startup-timeout", type=float, default=30, metavar="S",
                    help="longest wait for each part to come up (default 30)")
    ap.add_argument("--lang", default="C.UTF-8",
                    help="LANG for Orca and the program (default C.UTF-8)")
    ap.add_argument("--screen", default="1280x1024x24",
                    help="Xvfb screen (default 1280x1024x24)")
    ap.add_argument("--no-key-echo", action="store_true",
                    help="switch off Orca's key echo")
    ap.add_argument("--interrupts", action="store_true",
                    help="mark where Orca interrupts speech")
    ap.add_argument("--also", action="append", default=[], metavar="REGEX",
                    help="also print debug-log lines matching REGEX")
    ap.add_argument("--keep-log", metavar="FILE",
                    help="copy Orca's full debug log here")
    ap.add_argument("--program-output", metavar="FILE",
                    help="copy the program's stdout and stderr here")
    ap.add_argument("--orca", default=ORCA, help=argparse.SUPPRESS)
    ap.add_argument("steps", nargs="*", help="steps (after --)")
    opts = ap.parse_args(argv)
    try:
        steps = parse_steps(opts.steps, opts.script)
        also = [re.compile(r) for r in opts.also]
    except (OSError, ValueError, re.error) as e:
        ap.error(str(e))
    if not (os.path.isfile(opts.program) and os.access(opts.program, os.X_OK)):
        ap.error(f"program not found or not executable: {opts.program}")

    session = Session(opts)
    transcript = []
    status = 0

    def on_sigterm(signum, frame):
        raise KeyboardInterrupt
    signal.signal(signal.SIGTERM, on_sigterm)
    try:
        lines = session.start()
        transcript.append({"step": "start",
                           "said": speech_of(lines, also, opts.interrupts)})
        for step in steps:
            notes, lines = session.step(step)
            said = [{"log": n} for n in notes]
            said += speech_of(lines, also, opts.interrupts)
            transcript.append({"step": step, "said": said})
            if session.program.poll() is not None:
                transcript.append({"step": "(the program ended with status "
                                   f"{session.program.returncode})",
                                   "said": []})
                break
    except SessionError as e:
        print(f"orca-transcript: {e}", file=sys.stderr)
        status = 1
    except KeyboardInterrupt:
        print("orca-transcript: interrupted", file=sys.stderr)
        status = 130
    finally:
        session.stop()

    if opts.json:
        json.dump(transcript, sys.stdout, ensure_ascii=False, indent=1)
        print()
    else:
        print_transcript(transcript)
    return status


if __name__ == "__main__":
    sys.exit(main())
