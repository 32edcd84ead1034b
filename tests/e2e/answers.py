"""The answer a person works out from a question as the screen shows it."""

import re

_SUM = re.compile(r"^\s*(\d+)\s*([-+x/\u00f7])\s*(\d+)\s*=?\s*$")


def solve(question):
    """The right answer to the question text, as the user would type it."""
    text = question.replace("\r", " ").replace("\n", " ")
    if "?" not in text:
        m = _SUM.match(text)
        if not m:
            raise ValueError(f"not a question: {question!r}")
        a, op, b = int(m.group(1)), m.group(2), int(m.group(3))
        if op == "+":
            return str(a + b)
        if op == "-":
            return str(a - b)
        if op == "x":
            return str(a * b)
        if a % b:
            raise ValueError(f"division with a remainder: {question!r}")
        return str(a // b)
    terms = [t.strip() for t in text.split(",")]
    if terms[-1] != "?":
        raise ValueError(f"not a series: {question!r}")
    terms = terms[:-1]
    if len(terms) == 6:  # two interleaved series; the missing term continues the first
        terms = terms[0::2]
    if all(re.fullmatch(r"-?\d+", t) for t in terms):
        values = [int(t) for t in terms]
        step = values[1] - values[0]
        if any(b - a != step for a, b in zip(values, values[1:])):
            raise ValueError(f"not evenly spaced: {question!r}")
        return str(values[-1] + step)
    if all(re.fullmatch(r"[A-Z]", t) for t in terms):
        codes = [ord(t) for t in terms]
        step = codes[1] - codes[0]
        if any(b - a != step for a, b in zip(codes, codes[1:])):
            raise ValueError(f"not evenly spaced: {question!r}")
        return chr(codes[-1] + step)
    raise ValueError(f"mixed series: {question!r}")


def wrong(answer):
    """An answer that is surely wrong, of the same kind."""
    if answer.isdigit() or answer.startswith("-"):
        return str(int(answer) + 1)
    return "A" if answer != "A" else "B"
