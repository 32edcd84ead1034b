"""The answer a person works out from a question as the screen shows it."""

import re
import unicodedata

_SUM = re.compile(r"^\s*(\d+)\s*([-+x/\u00f7])\s*(\d+)\s*=?\s*$")


def plain(text):
    """The question as ASCII reads it: any script's digits as 0 to 9, the minus sign as "-",
    and no marks of writing direction, which a right-to-left language may put around numbers."""
    out = []
    for ch in text:
        if unicodedata.category(ch) == "Nd":
            out.append(str(unicodedata.digit(ch)))
        elif ch in "\u2212\uff0d":
            out.append("-")
        elif unicodedata.category(ch) != "Cf":
            out.append(ch)
    return "".join(out)


def solve(question):
    """The right answer to the question text, in ASCII."""
    text = plain(question).replace("\r", " ").replace("\n", " ")
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


def in_digits(answer, zero, minus):
    """The answer as typed in a script's digits, from its zero, and with its minus sign."""
    return "".join(chr(ord(zero) + int(c)) if c in "0123456789" else minus if c == "-" else c
                   for c in answer)


def wrong(answer):
    """An answer that is surely wrong, of the same kind."""
    if answer.isdigit() or answer.startswith("-"):
        return str(int(answer) + 1)
    return "A" if answer != "A" else "B"
