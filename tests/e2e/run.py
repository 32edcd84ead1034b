#!/usr/bin/env python3
"""The end-to-end suite: the built program on a display server of its own, three times: an X
server with no window manager, one under openbox, and a headless Wayland compositor (sway).
One line per scenario; nothing is retried. Run it inside a D-Bus session (scripts/e2e.sh does):
the accessibility bus lives there.

usage: run.py PROGRAM [--only SUBSTRING]... [--config no-wm|openbox|wayland]... [--out DIR]
"""

import argparse
import os
import shutil
import signal
import sys
import tempfile
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import desktop  # noqa: E402
import scenarios  # noqa: E402
import unprivileged  # noqa: E402

CONFIGS = ("no-wm", "openbox", "wayland")


class Context:
    def __init__(self, binary, server, config, workdir):
        self.binary = binary
        self.config = config
        self.program_env = server.program_env()
        self.window_manager = config == "openbox"
        self.workdir = workdir
        self.screen = server.screen()
        self.runs = []

    def finish(self):
        for run in self.runs:
            run.program.stop()
        self.runs = []


def start_server(config, out):
    if config == "wayland":
        import wayland
        return wayland.Compositor(out, width=1600, height=1200)
    server = desktop.XServer(width=1600, height=1200)
    if config == "openbox":
        try:
            server.start_window_manager()
        except BaseException:
            server.stop()
            raise
    return server


def run_config(config, binary, chosen, out):
    """Runs the scenarios on one configuration; returns how many failed."""
    server = start_server(config, out)
    failures = 0
    try:
        for name, scenario in chosen:
            workdir = tempfile.mkdtemp(prefix="run-", dir=out)
            ctx = Context(binary, server, config, workdir)
            start = time.monotonic()
            try:
                scenario(ctx)
                verdict, detail = "PASS", ""
                shutil.rmtree(workdir, ignore_errors=True)
            except Exception as e:  # a failure of any kind is the scenario's failure
                failures += 1
                verdict = "FAIL"
                detail = f": {e}" if isinstance(e, AssertionError) else (
                    ": " + "".join(traceback.format_exception_only(type(e), e)).strip())
                shot = os.path.join(workdir, "screen.png")
                try:
                    ctx.screen.save_png(shot)
                    detail += f"  [screen: {shot}]"
                except Exception:
                    pass
            finally:
                ctx.finish()
                ctx.screen.close()
            print(f"{verdict} {config:<7} {name} ({time.monotonic() - start:.1f} s){detail}",
                  flush=True)
    finally:
        server.stop()
    return failures


def main():
    # A timeout's SIGTERM unwinds like an error, so every server and program is stopped.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--only", action="append", default=[])
    parser.add_argument("--config", action="append", choices=CONFIGS)
    parser.add_argument("--out", default=None)
    # Set when this run is the one that unprivileged.py started for the Wayland configuration.
    parser.add_argument("--inner", action="store_true", help=argparse.SUPPRESS)
    args = parser.parse_args()
    if args.inner:
        desktop.die_with_parent()
    binary = os.path.abspath(args.program)
    if not os.access(binary, os.X_OK):
        sys.exit(f"e2e: no program at {binary}")
    out = os.path.abspath(args.out or tempfile.mkdtemp(prefix="sumwright-e2e-"))
    os.makedirs(out, exist_ok=True)
    chosen = [(n, s) for n, s in scenarios.all_scenarios()
              if not args.only or any(o.lower() in n.lower() for o in args.only)]
    if not chosen:
        sys.exit(f"e2e: no scenario matches {args.only}")
    start = time.monotonic()
    failures = 0
    configs = args.config or CONFIGS
    total = 0
    for config in configs:
        here = [(n, s) for n, s in chosen if config in scenarios.configs(s)]
        total += len(here)
        if not here:
            continue
        if config == "wayland" and unprivileged.needed():
            failures += unprivileged.run_config(config, binary, args.only, out)
        else:
            failures += run_config(config, binary, here, out)
    if args.inner:
        sys.exit(0)
    if not total:
        sys.exit(f"e2e: no scenario for {', '.join(configs)} matches {args.only}")
    print(f"e2e: {total - failures} of {total} scenarios passed in "
          f"{time.monotonic() - start:.0f} s" + (f"; failures kept in {out}" if failures else ""))
    if not failures:
        shutil.rmtree(out, ignore_errors=True)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
