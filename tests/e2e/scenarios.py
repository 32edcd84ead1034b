"""What a person does with the program, scenario by scenario. Each starts the program afresh,
acts only through the display server's own input emulation (XTest on X, the virtual keyboard
and pointer on Wayland) and judges only what the screen shows and what the accessibility bus
says."""

import collections
import math
import subprocess
import sys
import time

import a11y
import answers
from desktop import die_with_parent, wait_for
from program import Program
from words import Words

MAIN = "Quorvane Sumwright"
INPUT = "Solve Questions"
RESULT = "Result"
ABOUT_PRODUCT = "About Quorvane Tessaline"
ABOUT_PROGRAMMER = "About Programmer"

BACKGROUND = {
    MAIN: (192, 192, 255),
    INPUT: (255, 192, 255),
    RESULT: (255, 224, 192),
    ABOUT_PRODUCT: (255, 255, 255),
    ABOUT_PROGRAMMER: (255, 255, 128),
}

WEBSITE_URL = "http://www.quorvane.example/"
EXIT_URL = "http://quorvane.example"


class Failure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


ALL_CONFIGS = ("no-wm", "openbox", "wayland")


def x11_only(scenario):
    """Marks a scenario that needs what only X gives a client; it is skipped on Wayland."""
    scenario.configs = ALL_CONFIGS[:2]
    return scenario


def configs(scenario):
    return getattr(scenario, "configs", ALL_CONFIGS)


class Run:
    """One program on the scenario's X server, and what a user does with it."""

    def __init__(self, ctx, extra_env=None, words=None):
        self.ctx = ctx
        # Windows and controls are named in English here and found by what the program's
        # language calls them.
        self.words = words or Words()
        self.screen = ctx.screen
        # The pointer rests away from every window: with no window manager, X would otherwise
        # send the keys to whatever lies under it and hide a window that lost the keyboard.
        self.park_pointer()
        self.program = Program(ctx.binary, ctx.program_env, ctx.workdir,
                               {**self.words.environment(), **(extra_env or {})})
        self.app = self.program.app
        ctx.runs.append(self)
        self.drawn(MAIN)

    # ---- looking
    def window(self, title, timeout=5.0):
        return a11y.wait_window(self.app, self.words.title(title), timeout)

    def control(self, title, name, role=None):
        return a11y.need(self.window(title), self.words.name(title, name), role)

    def drawn(self, title, timeout=5.0):
        """The window is on the screen and painted: its own background colour fills a good part
        of it and it is not one flat colour."""
        background = BACKGROUND[title]
        shown_title = self.words.title(title)
        w = self.screen.wait_window(shown_title, timeout)
        last = {}

        def painted():
            nonlocal w
            w = self.screen.window(shown_title) or w
            px = self.screen.pixels(w.x, w.y, w.width, w.height)
            last["colours"] = px.colours()
            share = px.share(background)
            return share > 0.25 and len(last["colours"]) >= 3

        try:
            wait_for(f'"{title}" to be drawn', painted, timeout)
        except AssertionError:
            top = sorted(last.get("colours", {}).items(), key=lambda kv: -kv[1])[:4]
            total = sum(last.get("colours", {}).values()) or 1
            shares = ", ".join(f"rgb{c} {n / total:.0%}" for c, n in top)
            raise Failure(f'"{title}" {w.width}x{w.height} at ({w.x},{w.y}) is not drawn: '
                          f"expected background rgb{background}; the screen there shows "
                          f"{shares}") from None
        return w

    def on_screen_as_drawn(self, title):
        """The screen over the window shows what the program drew into it: the picture reached
        the screen, not only the program's own copy of it. Only for a window on top. A Wayland
        compositor makes the screen from the very buffers the program hands it: there is no
        second copy to differ."""
        if not self.screen.reads_window_contents:
            return
        w = self.screen.window(title)
        check(w is not None, f'"{title}" is not on the screen')
        own = self.screen.window_pixels(w)
        screen = self.screen.pixels(w.x, w.y, w.width, w.height)
        check(own.width == screen.width and own.height == screen.height,
              f'"{title}" is partly off the screen')
        differ = sum(1 for a, b in zip(own.words, screen.words) if (a ^ b) & 0xFFFFFF)
        if differ:
            top = sorted(screen.colours().items(), key=lambda kv: -kv[1])[:3]
            raise Failure(f'"{title}" {w.width}x{w.height} at ({w.x},{w.y}): {differ} of '
                          f"{len(own.words)} pixels on the screen differ from what the window "
                          f"holds; the screen there shows {top}")

    def shown(self, title):
        return self.screen.window(self.words.title(title)) is not None

    def park_pointer(self):
        width, height = self.screen.size()
        self.screen.move(width - 1, height - 1)

    def has_keyboard(self, title, timeout=3.0):
        """The X server sends the keys to this window (a person sees its focus and types)."""
        def focused():
            w = self.screen.window(self.words.title(title))
            return w is not None and self.screen.focus_is_in(w)

        try:
            wait_for(f'the keyboard in "{title}"', focused, timeout)
        except AssertionError:
            raise Failure(f'"{title}" does not have the keyboard: the keyboard focus is on '
                          f"{self.screen.keyboard_owner()}") from None

    def focused(self):
        return a11y.focused(self.app)

    # ---- doing
    def click(self, title, name, role=None, dx=None):
        node = self.control(title, name, role)
        x, y, w, h = a11y.extents(node)
        self.click_at(title, x + (w // 2 if dx is None else dx), y + h // 2)

    def click_at(self, title, x, y, park=True):
        """Clicks where AT-SPI places a point of the window with this title."""
        ox, oy = self.screen.a11y_origin(self.words.title(title))
        self.screen.click(ox + x, oy + y)
        if park:
            self.park_pointer()

    def key(self, *names):
        self.screen.chord(*names)

    def tab_to(self, name, limit=20):
        """Presses Tab until the control has the focus, each time waiting for the focus to move,
        so a slow answer on the bus never lets one Tab too many skip past the control."""
        for _ in range(limit):
            before = self.focused()
            if before == name:
                return
            self.key("Tab")
            wait_for("Tab to move the focus", lambda: self.focused() not in (None, before), 3.0)
        check(self.focused() == name, f'Tab never reached "{name}" (focus on {self.focused()!r})')

    def opens(self, title, what):
        """What the user just did opened the window; says what did not, if it did not."""
        try:
            return self.drawn(title)
        except (Failure, AssertionError) as e:
            raise Failure(f"{what} did not open \"{title}\" ({e})") from None

    def menu(self, *path):
        """Clicks through the menu bar: menu("Help", "About Programmer")."""
        main = self.window(MAIN)
        bar = a11y.nodes(main, ("menu bar",))[0]
        node = a11y.need(bar, path[0], "menu item")
        # A menu's place is given relative to the window it drops from.
        self.click_at(MAIN, *a11y.centre(node), park=False)
        for name in path[1:]:
            item = wait_for(f'the menu item "{name}"',
                            lambda: self._shown_menu_item(node, name), 3.0)
            self.click_at(MAIN, *a11y.centre(item), park=False)
            node = item
        self.park_pointer()

    @staticmethod
    def _shown_menu_item(parent, name):
        for node in a11y._walk(parent):
            try:
                if (node.name == name and node.getRoleName() == "menu item"
                        and a11y.showing(node) and a11y.extents(node)[2] > 0):
                    x, y, _, _ = a11y.extents(node)
                    if x > 0 or y > 0:
                        return node
            except Exception:
                continue
        return None

    def answer_box(self):
        return self.control(INPUT, "Answer", "text")

    def question_label(self):
        description = self.words.name(INPUT, "Question")
        node = wait_for("the question on the accessibility bus",
                        lambda: a11y.find_by_description(self.window(INPUT), description), 3.0)
        return node

    def question_text(self, label=None):
        return (label or self.question_label()).name

    # The answer box and the question label live as long as the window's page: a test looks
    # them up once, since every look-up walks the window over the bus.
    def type_answer(self, answer, box=None):
        box = box or self.answer_box()
        self.screen.type_text(answer)
        wait_for(f'"{answer}" in the answer box', lambda: a11y.text(box) == answer, 3.0)

    def wait_answered(self, box=None):
        """The Enter was taken: the next question emptied the box, or the test ended."""
        def taken():
            if not self.shown(INPUT):
                return True
            node = box or a11y.find(self.window(INPUT, 2.0), self.words.name(INPUT, "Answer"),
                                    "text")
            return node is not None and a11y.text(node) == ""

        wait_for("the answer to be taken", taken, 5.0)

    def result_lines(self):
        window = self.window(RESULT)
        lines = []
        for label in RESULT_LABELS:
            prefix = self.words.name(RESULT, label)
            node = a11y.find_prefix(window, prefix)
            check(node is not None, f'no result line "{prefix}..."')
            lines.append(node.name)
        return lines


# The words before each number, and the column where each line's blanks end: the English words
# fill it, a translation is padded to it, with one blank at least.
RESULT_LABELS = {"Total Questions:": 43, "Wrong Answered:": 38, "Time Taken (in sec.)": 39}


def expected_lines(total, wrong, seconds_range, words):
    lo, hi = seconds_range
    total_label, wrong_label, time_label = (
        words.name(RESULT, label) + " " * max(column - len(words.name(RESULT, label)), 1)
        for label, column in RESULT_LABELS.items())
    return (total_label + str(total), wrong_label + "\t" + str(wrong),
            [time_label + "\t" + f"{s:02d}" for s in range(lo, hi + 1)])


def check_result(run, total, wrong, seconds_range):
    run.drawn(RESULT)
    got = run.result_lines()
    want_total, want_wrong, want_times = expected_lines(total, wrong, seconds_range, run.words)
    check(got[0] == want_total, f"line 1 is {got[0]!r}, expected {want_total!r}")
    check(got[1] == want_wrong, f"line 2 is {got[1]!r}, expected {want_wrong!r}")
    check(got[2] in want_times, f"line 3 is {got[2]!r}, expected one of {want_times!r}")


# ------------------------------------------------------------------ scenarios

def startup(ctx):
    run = Run(ctx)
    main = run.window(MAIN)
    check(a11y.checked(a11y.need(main, "Easy", "radio button")), '"Easy" is not selected')
    check(a11y.find(main, "25", "combo box") is not None, 'the count does not show "25"')
    for name in ("Addition", "Subtraction", "Multiplication", "Division", "Number Series",
                 "Alphabet Series", "Visit Website", "Exit"):
        a11y.need(main, name, "push button")
    run.has_keyboard(MAIN)


def result_drawn(ctx):
    """Number Series, Start Test, 5, Enter, End Test: the result is on the screen."""
    run = Run(ctx)
    run.click(MAIN, "Number Series", "push button")
    run.drawn(INPUT)
    run.click(INPUT, "Start Test", "push button")
    run.has_keyboard(INPUT)
    run.type_answer("5")
    run.key("Return")
    run.wait_answered()
    run.click(INPUT, "End Test", "push button")
    run.screen.wait_gone(INPUT)
    run.drawn(RESULT)
    run.on_screen_as_drawn(RESULT)


def result_drawn_from_menu(ctx):
    """Tests > Arithmetic > Multiplication, Alt+S, Alt+E: the result, shown over the main
    window as the question window goes, is on the screen and stays there."""
    run = Run(ctx)
    run.menu("Tests", "Arithmetic", "Multiplication")
    run.drawn(INPUT)
    run.key("Alt_L", "s")
    run.has_keyboard(INPUT)
    run.answer_box()
    run.key("Alt_L", "e")
    run.screen.wait_gone(INPUT)
    run.drawn(RESULT)
    run.on_screen_as_drawn(RESULT)
    # Later too, with nothing happening: a picture that a late repaint or the window manager
    # wiped would show here.
    time.sleep(1.0)
    run.drawn(RESULT, timeout=0.5)
    run.on_screen_as_drawn(RESULT)


# The digits a person types in each script, zero and minus sign: the keyboard's own, the
# Arabic-Indic of an Arabic keyboard, and the full-width ones a Japanese input method gives.
DIGITS = {
    "ASCII": ("0", "-"),
    "Arabic-Indic": ("\u0660", "-"),
    "full-width": ("\uff10", "\uff0d"),
}

# kind button, level, vertical layout, letters typed in capitals, language, digits typed
KINDS = [
    ("Addition", "Easy", False, False, None, "ASCII"),
    ("Subtraction", "Medium", True, False, None, "ASCII"),
    ("Multiplication", "Hard", False, False, None, "ASCII"),
    ("Division", "Medium", True, False, None, "ASCII"),
    ("Number Series", "Hard", False, False, None, "ASCII"),
    ("Alphabet Series", "Medium", False, False, None, "ASCII"),
    ("Alpha Numeric Series ", "Hard", False, True, None, "ASCII"),
    ("Subtraction", "Easy", False, False, "ar", "Arabic-Indic"),
    ("Number Series", "Medium", False, False, "ja", "full-width"),
]
WRONG_AT = (3, 11)
LEVELS = ("Easy", "Medium", "Hard")


def check_level_order(run):
    """The level options read in the language's direction, Easy first where reading starts,
    and each is drawn in the main window where it says it is."""
    boxes = {level: a11y.extents(run.control(MAIN, level, "radio button")) for level in LEVELS}
    lefts = {level: box[0] for level, box in boxes.items()}
    on_screen = " ".join(sorted(LEVELS, key=lefts.get))
    want = " ".join(reversed(LEVELS) if run.words.right_to_left() else LEVELS)
    direction = "right to left" if run.words.right_to_left() else "left to right"
    check(on_screen == want,
          f"the level options stand {on_screen} from left to right on the screen (left edges "
          f"{lefts}); {run.words.language or 'English'} reads {direction}, so they must stand "
          f"{want}")
    main = run.screen.window(run.words.title(MAIN))
    ox, oy = run.screen.a11y_origin(run.words.title(MAIN))
    for level, (x, y, width, height) in boxes.items():
        x, y = ox + x, oy + y
        check(main.x <= x and x + width <= main.x + main.width
              and run.screen.pixels(x, y, width, height).has_ink(),
              f'"{level}" is not drawn at ({x},{y}) {width}x{height}, where it says it is; the '
              f"main window spans x {main.x} to {main.x + main.width}")


def choose_option(run, title, name):
    """Clicks an option button's round box, at the start of its row in the reading direction,
    unless the option is chosen already."""
    node = run.control(title, name, "radio button")
    if a11y.checked(node):
        return
    width = a11y.extents(node)[2]
    run.click(title, name, "radio button", dx=width - 8 if run.words.right_to_left() else 8)
    wait_for(f'"{name}" chosen', lambda: a11y.checked(run.control(title, name, "radio button")),
             3.0)


def whole_test(ctx, kind, level, vertical, capitals, language, digits):
    run = Run(ctx, words=Words(language))
    words = run.words
    choose_option(run, MAIN, level)
    run.click(MAIN, kind, "push button")
    run.drawn(INPUT)
    kind_tag = words.text("Tags", kind.strip() + " ")
    want_title = kind_tag + words.text("Tags", f"[{level} Mode]")
    title = a11y.find_prefix(run.window(INPUT), kind_tag)
    check(title is not None and title.name == want_title,
          f"the test title is {title.name if title else None!r}, expected {want_title!r}")
    if vertical:
        choose_option(run, INPUT, "Vertical mode")
    t0 = time.time()
    run.click(INPUT, "Start Test", "push button")
    run.has_keyboard(INPUT)
    box, label = run.answer_box(), run.question_label()
    seen = None
    for n in range(1, 26):
        question = run.question_text(label)
        if seen is None:
            seen = time.time()
        if vertical and "?" not in question:
            check("\n" in question, f"question {n} is not in two lines: {question!r}")
        right = answers.solve(question)
        typed = answers.wrong(right) if n in WRONG_AT else right
        if not capitals:
            typed = typed.lower()
        run.type_answer(answers.in_digits(typed, *DIGITS[digits]), box)
        last_enter = time.time()
        run.key("Return")
        run.wait_answered(box)
    run.screen.wait_gone(words.title(INPUT))
    t1 = time.time()
    check_result(run, 25, len(WRONG_AT),
                 (math.floor(last_enter) - math.floor(seen), math.floor(t1) - math.floor(t0)))
    check_level_order(run)


class Burners:
    """Two CPU-bound processes, the load under which the toolkit loses track of key repeat."""

    def __enter__(self):
        self.procs = [subprocess.Popen([sys.executable, "-c", "while True: pass"],
                                       preexec_fn=die_with_parent) for _ in range(2)]
        return self

    def __exit__(self, *exc):
        for p in self.procs:
            p.kill()
            p.wait()


def held_enter(ctx):
    run = Run(ctx)
    run.screen.set_auto_repeat(True)
    run.click(MAIN, "Addition", "push button")
    run.drawn(INPUT)
    run.click(INPUT, "Start Test", "push button")
    run.has_keyboard(INPUT)
    run.type_answer(answers.solve(run.question_text()))
    with Burners():
        time.sleep(0.2)
        run.screen.key_down("Return")
        time.sleep(1.5)
        run.screen.key_up("Return")
        run.wait_answered()
    # Two ordinary presses after the held one: each release is one more answer.
    for _ in range(2):
        run.key("Return")
        run.wait_answered()
    time.sleep(0.3)
    run.click(INPUT, "End Test", "push button")
    run.drawn(RESULT)
    lines = run.result_lines()
    want = "Total Questions:" + " " * 27 + "3"
    check(lines[0] == want,
          f"held Enter then two presses: {lines[0]!r}, expected {want!r}")


def enter_and_space_on_buttons(ctx):
    run = Run(ctx)
    run.has_keyboard(MAIN)
    # Return on a focused kind button opens its test.
    run.tab_to("Addition")
    run.key("Return")
    run.opens(INPUT, "Return on the focused Addition button")
    run.has_keyboard(INPUT)
    title = a11y.find_prefix(run.window(INPUT), "Addition [")
    check(title is not None, "Return on Addition did not open its test")
    run.tab_to("Start Test")
    run.key("Return")
    wait_for("Return on Start Test to start the test",
             lambda: a11y.find(run.window(INPUT), "Answer", "text"), 3.0)
    run.tab_to("End Test")
    run.key("KP_Enter")
    run.opens(RESULT, "Keypad Enter on End Test")
    # The key that started the test was no answer.
    got = run.result_lines()[0]
    check(got == "Total Questions:" + " " * 27 + "0", f"after Enter on Start Test: {got!r}")
    run.has_keyboard(RESULT)
    check(run.focused() == "Close", f"the result window's focus is on {run.focused()!r}")
    # The result window ignores Enter, so a last fast Enter cannot close it unread.
    for key in ("Return", "KP_Enter"):
        run.key(key)
        time.sleep(0.3)
        check(run.shown(RESULT), f"{key} closed the result window")
    run.key("space")
    run.screen.wait_gone(RESULT)
    # Space on the focused kind button, Space on the question window's buttons.
    run.has_keyboard(MAIN)
    run.tab_to("Subtraction")
    run.key("space")
    run.opens(INPUT, "Space on the focused Subtraction button")
    run.has_keyboard(INPUT)
    check(a11y.find_prefix(run.window(INPUT), "Subtraction [") is not None,
          "Space on Subtraction did not open its test")
    run.tab_to("Start Test")
    run.key("space")
    wait_for("the question view", lambda: a11y.find(run.window(INPUT), "Answer", "text"), 3.0)
    run.tab_to("Close")
    run.key("space")
    run.screen.wait_gone(INPUT)
    check(not run.shown(RESULT), "Close showed a result")
    # Keypad Enter on a kind button.
    run.has_keyboard(MAIN)
    run.tab_to("Division")
    run.key("KP_Enter")
    run.opens(INPUT, "Keypad Enter on the focused Division button")
    check(a11y.find_prefix(run.window(INPUT), "Division [") is not None,
          "keypad Enter on Division did not open its test")


def level_box_click(ctx):
    run = Run(ctx)
    main = run.window(MAIN)
    for level in ("Hard", "Medium", "Easy"):
        node = a11y.need(main, level, "radio button")
        x, y, _, h = a11y.extents(node)
        # The empty part of the option's box, right of its caption, on its row.
        run.click_at(MAIN, x + 160, y + h // 2)
        try:
            wait_for(f'"{level}" selected', lambda: a11y.checked(node), 2.0)
        except AssertionError:
            raise Failure(f"a click 160 px right of {level}'s box left edge did not select "
                          f"{level}") from None


def _exit_by(ctx, how):
    run = Run(ctx)
    run.has_keyboard(MAIN)
    if how == "Exit button":
        run.click(MAIN, "Exit", "push button")
    elif how == "close box":
        if ctx.window_manager:
            run.key("Alt_L", "F4")
        else:
            run.screen.close_window(run.screen.window(MAIN))
    elif how == "File menu Exit":
        run.key("Alt_L", "f")
        wait_for("the File menu", lambda: run._shown_menu_item(run.window(MAIN), "Exit"), 3.0)
        run.key("e")
    elif how == "menu bar Exit":
        run.menu("Exit")
    run.program.wait_exit(5.0)
    return run


def exit_paths(ctx):
    for how, opened in (("Exit button", [EXIT_URL]), ("close box", [EXIT_URL]),
                        ("File menu Exit", []), ("menu bar Exit", [])):
        run = _exit_by(ctx, how)
        # The opener runs detached and may write after the program has ended.
        try:
            wait_for(f"{how} to open {opened}", lambda: len(run.program.opened()) >= len(opened),
                     5.0)
        except AssertionError:
            pass
        time.sleep(0.2)  # time for a stray second address to show
        check(run.program.opened() == opened,
              f"{how} opened {run.program.opened()}, expected {opened}")


def visit_website(ctx):
    run = Run(ctx)
    run.click(MAIN, "Visit Website", "push button")
    run.menu("Help", "Visit Website")
    wait_for("two addresses opened", lambda: len(run.program.opened()) >= 2, 5.0)
    time.sleep(0.2)
    check(run.program.opened() == [WEBSITE_URL, WEBSITE_URL],
          f"opened {run.program.opened()}")
    check(run.program.running() and run.shown(MAIN), "the program did not stay open")


def about_windows(ctx):
    run = Run(ctx)
    run.menu("Help", "About Programmer")
    run.drawn(ABOUT_PROGRAMMER)
    run.has_keyboard(ABOUT_PROGRAMMER)
    run.click(ABOUT_PROGRAMMER, "Tamsin Ardell")
    run.screen.wait_gone(ABOUT_PROGRAMMER)

    run.menu("Help", "About Quorvane Sumwright")
    w = run.drawn(ABOUT_PRODUCT)
    run.has_keyboard(ABOUT_PRODUCT)
    version = a11y.find_prefix(run.window(ABOUT_PRODUCT), "Quorvane Sumwright ver: ")
    check(version is not None and version.name == "Quorvane Sumwright ver: 1.0",
          f"version line {version.name if version else None!r}")
    run.click(ABOUT_PRODUCT, "www.quorvane.example")
    wait_for("the web site opened", lambda: run.program.opened() == [WEBSITE_URL], 5.0)
    check(run.shown(ABOUT_PRODUCT), "the link closed the window")
    run.click(ABOUT_PRODUCT, version.name)
    run.screen.wait_gone(ABOUT_PRODUCT)
    # Shown again as it was.
    run.menu("Help", "About Quorvane Sumwright")
    run.drawn(ABOUT_PRODUCT)
    run.click(ABOUT_PRODUCT, "Quorvane Sumwright ver: 1.0")
    run.screen.wait_gone(ABOUT_PRODUCT)


def focus_after_hiding(ctx):
    """Whichever window is left active takes the keyboard: access keys work at once."""
    run = Run(ctx)

    def keyboard_back_in_main(after):
        try:
            run.has_keyboard(MAIN)
        except Failure as e:
            raise Failure(f"after {after}: {e}") from None
        # An access key works without a click: Alt+N opens the number series.
        run.key("Alt_L", "n")
        try:
            run.drawn(INPUT, 3.0)
        except Failure:
            raise Failure(f"after {after}: Alt+N did nothing") from None
        run.has_keyboard(INPUT)
        run.tab_to("Start Test")
        run.key("Alt_L", "s")
        wait_for("the question view", lambda: a11y.find(run.window(INPUT), "Answer", "text"),
                 3.0)
        run.key("Alt_L", "c")
        run.screen.wait_gone(INPUT)

    run.menu("Help", "About Programmer")
    run.drawn(ABOUT_PROGRAMMER)
    run.click(ABOUT_PROGRAMMER, "Tamsin Ardell")
    run.screen.wait_gone(ABOUT_PROGRAMMER)
    keyboard_back_in_main("the About Programmer window hid")

    run.menu("Help", "About Quorvane Sumwright")
    run.drawn(ABOUT_PRODUCT)
    run.click(ABOUT_PRODUCT, "Quorvane Sumwright ver: 1.0")
    run.screen.wait_gone(ABOUT_PRODUCT)
    keyboard_back_in_main("the About Quorvane Tessaline window hid")
    # (the question window's Close was covered above)

    run.key("Alt_L", "n")
    run.drawn(INPUT)
    run.has_keyboard(INPUT)
    run.key("Alt_L", "s")
    wait_for("the question view", lambda: a11y.find(run.window(INPUT), "Answer", "text"), 3.0)
    run.key("Alt_L", "e")
    run.screen.wait_gone(INPUT)
    run.drawn(RESULT)
    run.has_keyboard(RESULT)
    run.key("Escape")
    run.screen.wait_gone(RESULT)
    keyboard_back_in_main("the result window hid")


def close_requests(ctx):
    """The close box of each window, as the display server asks it (the main window's is among
    the exit paths): the window goes, a test that runs ends with its result, and the keyboard
    is where a person would type next."""
    run = Run(ctx)

    def question_window():
        run.key("Alt_L", "n")
        run.drawn(INPUT)

    def one_answer():
        question_window()
        run.key("Alt_L", "s")
        box = run.answer_box()
        run.type_answer(answers.solve(run.question_text()), box)
        run.key("Return")
        run.wait_answered(box)

    # the window, what opens it, the window that has the keyboard after its close request
    for title, opening, then in (
            (ABOUT_PROGRAMMER, lambda: run.menu("Help", "About Programmer"), MAIN),
            (ABOUT_PRODUCT, lambda: run.menu("Help", "About Quorvane Sumwright"), MAIN),
            (INPUT, question_window, MAIN),  # no test running: nothing to report
            (INPUT, one_answer, RESULT),
            (RESULT, lambda: None, MAIN)):
        opening()
        run.drawn(title)
        run.has_keyboard(title)
        run.screen.close_window(run.screen.window(title))
        run.screen.wait_gone(title)
        if then == RESULT:
            run.opens(RESULT, f'the close request of "{title}" during a test')
            got = run.result_lines()[0]
            check(got == "Total Questions:" + " " * 27 + "1",
                  f"closing the test after one answer reported {got!r}")
        else:
            time.sleep(0.3)  # time for a stray result window to show
            check(not run.shown(RESULT), f'the close request of "{title}" showed a result')
        try:
            run.has_keyboard(then)
        except Failure as e:
            raise Failure(f'after the close request of "{title}": {e}') from None
    check(run.program.running() and not run.program.opened(),
          f"the close requests ended the program or opened {run.program.opened()}")


# The scales a screen may have: none, a whole step and the fractional one of many laptops.
SCALES = (1, 2, 1.5)
# Controls that fill their box with a colour of their own, so the screen shows where they are;
# "filler" covers the window's client area and the rules across it.
FILLED = ("push button", "menu bar", "filler")


def _drawn_box(px, box):
    """Where the screen shows the control reported at box (x, y, width, height inside px), as its
    left, top, right and bottom edges: the extent of the largest patch of the one colour that
    fills most of the box, followed across every touching pixel of that colour, inside the box
    or out."""
    x, y, w, h = box
    x0, y0, x1, y1 = max(0, x), max(0, y), min(px.width, x + w), min(px.height, y + h)
    if x1 <= x0 or y1 <= y0:
        return None
    words, stride = px.words, px.width
    fill = collections.Counter(words[row * stride + col] for row in range(y0, y1)
                               for col in range(x0, x1)).most_common(1)[0][0]
    seen, best = set(), (0, None)
    for row in range(y0, y1):
        for col in range(x0, x1):
            start = row * stride + col
            if words[start] != fill or start in seen:
                continue
            seen.add(start)
            todo, size = [start], 0
            left, top, right, bottom = col, row, col, row
            while todo:
                i = todo.pop()
                size += 1
                c, r = i % stride, i // stride
                left, right, top, bottom = min(left, c), max(right, c), min(top, r), max(bottom, r)
                for n, inside in ((i + 1, c + 1 < stride), (i - 1, c > 0),
                                  (i + stride, r + 1 < px.height), (i - stride, r > 0)):
                    if inside and n not in seen and words[n] == fill:
                        seen.add(n)
                        todo.append(n)
            if size > best[0]:
                best = (size, (left, top, right + 1, bottom + 1))
    return best[1]


def _placed_as_drawn(run, title, factor, at_least):
    """The window and its filled controls are where the bus says, and the middle of each button
    on the screen leads back to it. Returns the window on the screen and its extents on the bus."""
    run.drawn(title)
    # A compositor may still move a new window once it is drawn (sway centres it again when its
    # title bar comes): compare with where it stays.
    last = {}

    def still():
        now = run.screen.window(run.words.title(title))
        steady = now is not None and now == last.get("w")
        last["w"] = now
        return steady

    wait_for(f'"{title}" to stay where it is', still, 3.0, interval=0.1)
    w = last["w"]
    window = run.window(title)
    frame = a11y.extents(window)
    # Where the window system gives no positions on the screen, the bus counts from the window.
    ox, oy = run.screen.a11y_origin(title)
    check(frame == (w.x - ox, w.y - oy, w.width, w.height),
          f'the bus puts "{title}" at {frame}, the screen shows it at '
          f"{(w.x - ox, w.y - oy, w.width, w.height)}")
    px = run.screen.pixels(w.x, w.y, w.width, w.height)
    # The bevel or frame drawn inside a box is a pixel per scale step, and half a pixel rounds.
    slack = math.ceil(factor) + 1
    misplaced, seen = [], 0
    for node in a11y.nodes(window, FILLED):
        x, y, width, height = a11y.extents(node)
        reported = (x - frame[0], y - frame[1], width, height)
        if width <= 0 or height <= 0:
            continue
        seen += 1
        name = f"{node.getRoleName()} {node.name.strip()!r}"
        drawn = _drawn_box(px, reported)
        edges = (reported[0], reported[1], reported[0] + width, reported[1] + height)
        if drawn is None or any(abs(a - b) > slack for a, b in zip(drawn, edges)):
            box = drawn and (drawn[0], drawn[1], drawn[2] - drawn[0], drawn[3] - drawn[1])
            misplaced.append(f"{name} reported at {reported}, drawn at {box}")
            continue
        if node.getRoleName() == "push button":
            hit = a11y.at_point(window, frame[0] + (drawn[0] + drawn[2]) // 2,
                                frame[1] + (drawn[1] + drawn[3]) // 2)
            if hit is None or hit.name != node.name:
                misplaced.append(f"the middle of {name} leads to "
                                 f"{hit.getRoleName() + ' ' + repr(hit.name) if hit else None}")
    check(seen >= at_least, f'only {seen} filled controls of "{title}" on the bus')
    check(not misplaced, f'"{title}" at scale {factor} (window-relative x, y, width, height): '
          + "; ".join(misplaced))
    return w, frame


def scaled_screen(ctx, factor):
    """At any scale the accessibility bus tells where each control is on the screen, in the
    screen's pixels (a magnifier and a screen reader's pointer go there), a point on the screen
    leads back to the control drawn there, no text runs out of its box, and a click where the
    bus puts a menu item chooses it."""
    run = Run(ctx, {"QT_SCALE_FACTOR": str(factor)})
    w, frame = _placed_as_drawn(run, MAIN, factor, 12)
    check(w.width >= factor * 640, f"the main window is {w.width} px wide at scale {factor}")
    main = run.window(MAIN)
    clipped = []
    for node in a11y.nodes(main, ("label", "push button")):
        if not node.name.strip():
            continue
        x, y, width, height = a11y.extents(node)
        x, y = w.x + x - frame[0], w.y + y - frame[1]
        button = node.getRoleName() == "push button"
        px = run.screen.pixels(x, y, width, height)
        check(px.has_ink(), f"{node.name.strip()!r} shows no text at all")
        # Labels are left- and top-aligned: clipping shows on the right or at the bottom.
        # Buttons centre their captions inside a bevel of one pixel per scale step.
        edges = px.ink_at_edges(round(2 * factor) if button else 0,
                                ("left", "right", "top", "bottom") if button
                                else ("right", "bottom"))
        if edges:
            clipped.append(f"{node.name.strip()!r} ({', '.join(edges)})")
    check(not clipped, "text runs into the edge of its box: " + ", ".join(clipped))
    # A dialog of its own, placed by the window manager or at the screen's corner.
    run.click(MAIN, "Number Series", "push button")
    _placed_as_drawn(run, INPUT, factor, 2)
    run.screen.close_window(run.screen.window(INPUT))
    run.screen.wait_gone(INPUT)
    # A click where the bus puts a menu's item, in the menu bar and in the menu it opens.
    run.menu("Help", "About Programmer")
    run.opens(ABOUT_PROGRAMMER, f"a click on Help, About Programmer at scale {factor}")


def all_scenarios():
    out = [("start-up", startup), ("result window drawn", result_drawn),
           ("result window drawn, menu and access keys", result_drawn_from_menu)]
    for row in KINDS:
        kind, level, vertical, _, language, digits = row
        name = (f"whole test: {kind.strip()} [{level}]{' vertical' if vertical else ''}"
                + (f" in {language}, {digits} digits" if language else ""))
        out.append((name, lambda ctx, a=row: whole_test(ctx, *a)))
    out += [
        ("held Enter under load", held_enter),
        ("Enter and Space on focused buttons", enter_and_space_on_buttons),
        ("level box click", level_box_click),
        ("exit paths and addresses", exit_paths),
        ("visit website", visit_website),
        ("about windows open and hide", about_windows),
        ("focus after each window hides", focus_after_hiding),
        ("close request of each window", close_requests),
    ]
    for factor in SCALES:
        out.append((f"scale factor {factor}: controls where the screen shows them, no clipped "
                    "text", lambda ctx, f=factor: scaled_screen(ctx, f)))
    return out
