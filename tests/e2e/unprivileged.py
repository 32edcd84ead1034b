"""The Wayland configuration when the suite runs as root (as CI does): sway will not run as
root, so that configuration runs whole as an ordinary user, made by scripts/e2e-user.sh. Whole:
the program must be the same user as the accessibility bus it registers on, and the suite must
be that user too to read the bus, so the compositor, the program, a D-Bus session of its own
and the scenarios all run as that user, in a folder of its own inside the suite's output."""

import glob
import os
import pwd
import shutil
import subprocess
import sys

import words

USER = "sumwright-e2e"
HERE = os.path.dirname(os.path.abspath(__file__))
# What the suite reads of the work tree lies under this folder.
REPO = os.path.commonpath([HERE, os.path.abspath(words.TRANSLATIONS)])


def needed():
    return os.geteuid() == 0


def _give(path, user):
    os.chown(path, user.pw_uid, user.pw_gid)
    for folder, dirs, files in os.walk(path):
        for name in dirs + files:
            os.chown(os.path.join(folder, name), user.pw_uid, user.pw_gid)


def run_config(config, binary, only, out):
    """Runs one configuration's scenarios as the user, their lines passed on as they come;
    returns how many failed."""
    try:
        user = pwd.getpwnam(USER)
    except KeyError:
        sys.exit(f"e2e: there is no user {USER} for the {config} configuration; "
                 "scripts/e2e-user.sh makes it")
    # The user passes through the suite's folder to its own and sees nothing else there. What
    # it runs is copied in, since the work tree may lie where it cannot reach (under /root);
    # the program needs nothing beside itself (its translations are built in). The suite reads
    # the translation files, to know the texts the program shows: they go where the suite
    # finds them beside the work tree, so the copy keeps the tree's layout for them.
    os.chmod(out, 0o711)
    home = os.path.join(out, config)
    os.mkdir(home, 0o700)
    suite = os.path.join(home, os.path.relpath(HERE, REPO))
    shutil.copytree(HERE, suite, ignore=shutil.ignore_patterns("__pycache__"))
    translations = os.path.join(home, os.path.relpath(words.TRANSLATIONS, REPO))
    os.makedirs(translations)
    for name in glob.glob(os.path.join(words.TRANSLATIONS, "*.ts")):
        shutil.copy2(name, translations)
    program = os.path.join(home, os.path.basename(binary))
    shutil.copy2(binary, program)
    runtime = os.path.join(home, "runtime")
    os.mkdir(runtime, 0o700)
    os.mkdir(os.path.join(home, "out"))
    _give(home, user)
    command = [
        "setpriv", f"--reuid={user.pw_uid}", f"--regid={user.pw_gid}", "--clear-groups",
        "--pdeathsig=TERM", "--",
        "env", "-i", "PATH=/usr/bin:/bin", f"HOME={home}", f"USER={USER}", f"LOGNAME={USER}",
        f"LANG={os.environ.get('LANG', 'C.UTF-8')}", f"XDG_RUNTIME_DIR={runtime}",
        "dbus-run-session", "--",
        sys.executable, os.path.join(suite, "run.py"), program, "--config", config,
        "--out", os.path.join(home, "out"), "--inner",
    ]
    for text in only:
        command += ["--only", text]
    failures = 0
    child = subprocess.Popen(command, stdout=subprocess.PIPE, text=True)
    try:
        for line in child.stdout:
            print(line, end="", flush=True)
            failures += line.startswith("FAIL ")
    except BaseException:
        child.terminate()
        child.wait()
        raise
    if child.wait() and not failures:
        print(f"FAIL {config:<7} the run as {USER} ended with status {child.returncode}",
              flush=True)
        failures = 1
    return failures
