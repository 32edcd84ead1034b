"""The built program, started as a user's desktop starts it, with a stand-in browser."""

import os
import signal
import stat
import subprocess
import time

import a11y
from desktop import die_with_parent, wait_for

# Takes the place of the desktop's opener: it only writes down the address it was given.
OPENER = """#!/bin/sh
printf '%s\\n' "$*" >> "$SUMWRIGHT_E2E_OPENED"
"""


class Program:
    def __init__(self, binary, display_env, workdir, extra_env=None):
        self.workdir = workdir
        bindir = os.path.join(workdir, "bin")
        os.makedirs(bindir, exist_ok=True)
        opener = os.path.join(bindir, "xdg-open")
        with open(opener, "w") as f:
            f.write(OPENER)
        os.chmod(opener, stat.S_IRWXU)
        self.opened_log = os.path.join(workdir, "opened.log")
        if os.path.exists(self.opened_log):
            os.remove(self.opened_log)
        runtime = os.path.join(workdir, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        env = dict(os.environ)
        for var in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR",
                    "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR", "BROWSER",
                    "DESKTOP_SESSION", "XDG_CURRENT_DESKTOP"):
            env.pop(var, None)
        env.update(display_env)
        env.update({
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "PATH": bindir + os.pathsep + env.get("PATH", "/usr/bin:/bin"),
            "SUMWRIGHT_E2E_OPENED": self.opened_log,
            "XDG_RUNTIME_DIR": runtime,
        })
        env.update(extra_env or {})
        self.stderr = open(os.path.join(workdir, "program.log"), "w")
        self.process = subprocess.Popen([binary], env=env, stdout=self.stderr,
                                        stderr=self.stderr, preexec_fn=die_with_parent)
        self.pid = self.process.pid
        try:
            self.app = a11y.application(self.pid)
        except BaseException:
            # Nobody else holds this program yet: one that never showed up on the bus would
            # outlive its scenario.
            self.stop()
            raise

    def opened(self):
        try:
            with open(self.opened_log) as f:
                return f.read().splitlines()
        except FileNotFoundError:
            return []

    def running(self):
        return self.process.poll() is None

    def wait_exit(self, timeout=5.0):
        wait_for("the program to end", lambda: not self.running(), timeout)
        return self.process.returncode

    def stop(self):
        if self.running():
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(3)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.stderr.close()
