#!/usr/bin/env python3
"""Writes the acceptance script: what the driver does to the running program
and, after each step, the texts the program must then show.

    python3 expected.py path/to/tests/golden/units.tsv > expected.txt

Every text is computed here from the golden unit table, with Python's own
float arithmetic and '%.*f' formatting, by a model of the page: a conversion
reads the number at the start of the value field, converts it and rewrites
both fields; a change of unit converts the text the previous conversion left.

Output: one step per line (driver.cpp lists the steps), fields separated by
tabs, UTF-8; a text may end in a blank (a unit without an abbreviation).
"""

import collections
import re
import sys

TAB_TITLES = ["Délka", "Objem", "Hmotnost", "Teplota", "Obsah", "Hustota", "Síla",
              "Tlak", "Práce", "Výkon", "Úhel", "Čas", "Rychlost", "Průtok"]
TEMPERATURE = 3
END_CATEGORY = 99

# The number typed into each page before its sweep. More decimals than the
# precision, so the first conversion shows the result of the value as typed
# while every later one converts the rounded text the field was rewritten to;
# many significant digits, so a wrong factor or a wrong order of operations
# changes the printed digits.
PAGE_VALUES = ["2718.281828459", "314.1592653", "1618.0339887", "-12.3456789",
               "987654.321987", "4242.424242", "77777.7777777", "101325.987654",
               "123456.7890123", "745.699871582", "57.2957795131", "86400.1234567",
               "299792.458123", "12.34567891"]


# ---- the unit table ---------------------------------------------------------

Unit = collections.namedtuple("Unit", "row category czech abbreviation factor")


def read_table(path):
    """The unit rows of the golden table (tab-separated; '#' starts a comment),
    up to the end row."""
    units = []
    with open(path, encoding="utf-8", newline="") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != 8:
                raise SystemExit("expected.py: not eight fields in %r" % line)
            row, category = int(fields[0]), int(fields[1])
            if row != len(units):
                raise SystemExit("expected.py: row %d out of order" % row)
            if category == END_CATEGORY:
                return units
            units.append(Unit(row, category, fields[3], fields[5], float(fields[6])))
    raise SystemExit("expected.py: the table has no end row")


# ---- the model of the program -----------------------------------------------

NUMBER = re.compile(r"[ \t\n\v\f\r]*([+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?)")


def read_value(text):
    """atof with '.' as the decimal point: the leading number, else 0."""
    m = NUMBER.match(text)
    return float(m.group(1)) if m else 0.0


# (source, target) positions: 0 Celsius, 1 Fahrenheit, 2 Kelvin. Any other
# pair leaves the value as it is.
TEMPERATURE_FORMULAS = {
    (0, 1): lambda v: ((v * 9) * 0.2) + 32,
    (0, 2): lambda v: v + 273.15,
    (1, 0): lambda v: ((v - 32) * 5) * 0.1111111111111111,
    (1, 2): lambda v: (((v - 32) * 5) * 0.1111111111111111) + 273.15,
    (2, 1): lambda v: (((v - 273.15) * 9) * 0.2) + 32,
    (2, 0): lambda v: v - 273.15,
}


def temperature(value, src, dst):
    return TEMPERATURE_FORMULAS.get((src, dst), lambda v: v)(value)


class Page:
    def __init__(self, category, units):
        self.category = category
        self.units = [u for u in units if u.category == category]
        self.value = ""
        self.result = ""
        self.src = -1
        self.dst = -1
        self.caret = 0


class Program:
    """One run of the program: fourteen pages and the precision setting."""

    def __init__(self, units, precision):
        self.pages = [Page(c, units) for c in range(len(TAB_TITLES))]
        self.precision = precision
        self.current = 0

    def page(self):
        return self.pages[self.current]

    def text(self, number, abbreviation):
        return "%.*f %s" % (self.precision, number, abbreviation)

    def convert(self):
        page = self.page()
        if page.src < 0 or page.dst < 0 or page.value == "":
            return
        value = read_value(page.value)
        src, dst = page.units[page.src], page.units[page.dst]
        if page.category == TEMPERATURE:
            result = temperature(value, page.src, page.dst)
        else:
            result = (value * src.factor) / dst.factor
        page.result = self.text(result, dst.abbreviation)
        page.value = self.text(value, src.abbreviation)

    def type_char(self, char):
        page = self.page()
        page.value = page.value[:page.caret] + char + page.value[page.caret:]
        page.caret += 1
        self.convert()
        # The field keeps the caret offset across the rewrite.
        page.caret = min(page.caret, len(page.value))

    def clear(self):
        page = self.page()
        page.value = ""
        page.caret = 0
        self.convert()


class Script:
    def __init__(self, units):
        self.units = units
        self.lines = []
        self.program = None
        self.stored = None  # the precision in the registry; None: no value

    def emit(self, *fields):
        for f in fields:
            if "\t" in str(f) or "\n" in str(f):
                raise SystemExit("expected.py: a text holds a tab or a line break: %r" % f)
        self.lines.append("\t".join(str(f) for f in fields))

    def comment(self, text):
        self.lines.append("# " + text)

    def fields(self):
        page = self.program.page()
        return page.value, page.result

    # -- steps -----------------------------------------------------------

    def start(self):
        self.emit("start")
        self.program = Program(self.units, 5 if self.stored is None else self.stored)
        self.emit("current", 0)

    def close(self, how):
        self.emit("close", how)
        self.emit("registry", "-" if self.stored is None else self.stored)
        self.program = None

    def show_page(self, index, lists="none"):
        """Selects a tab; on a page's first showing in a run `lists` is
        "count" (the lists' lengths) or "entries" (every entry too)."""
        self.program.current = index
        self.emit("page", index)
        page = self.program.page()
        if lists != "none":
            self.emit("units", len(page.units))
        if lists == "entries":
            for pos, unit in enumerate(page.units):
                self.emit("unit", pos, unit.row, unit.czech)
        self.emit("selection", page.src, page.dst)
        self.emit("fields", *self.fields())

    def type(self, text):
        for char in text:
            self.program.type_char(char)
            self.emit("type", char, *self.fields())

    def clear(self):
        self.program.clear()
        self.emit("clear", *self.fields())

    def pick(self, which, pos):
        """Unit `pos` picked in the "from" or the "to" list."""
        setattr(self.program.page(), "src" if which == "from" else "dst", pos)
        self.program.convert()
        self.emit(which, pos, *self.fields())

    def set_precision(self, text, close):
        """Opens the precision dialog, checks that it shows the setting,
        optionally types `text`, and closes it by `close`."""
        self.emit("dialog-open", self.program.precision)
        if text is not None:
            self.emit("dialog-type", text)
        self.emit("dialog-" + close)
        if close == "ok":
            self.program.precision = int(text)
            self.stored = self.program.precision
        self.emit("registry", "-" if self.stored is None else self.stored)
        self.emit("fields", *self.fields())  # nothing on screen changes

    def sweep(self, sources, targets=None):
        """For each source position in turn, every target position (or those
        that `targets` gives for it). On a fresh page the first source is
        picked while no target is, so the first conversion happens on the
        first target."""
        n = len(self.program.page().units)
        for src in sources:
            self.pick("from", src)
            for dst in (targets[src] if targets else range(n)):
                if dst != src:
                    self.pick("to", dst)

    def start_page(self, index, lists="count", value=None):
        self.show_page(index, lists)
        self.type(PAGE_VALUES[index] if value is None else value)

    def start_with_precision(self, dismiss, index, precision):
        """A run that dismisses the dialog, converts on page `index`, then sets `precision`."""
        self.start()
        self.set_precision(None, dismiss)
        self.start_page(index)
        self.pick("from", 0)
        self.pick("to", 1)
        self.set_precision(precision, "ok")

    def sweep_pages(self, first, sources):
        """Page `first` (already started), then the others in tab order,
        each from the positions sources(n) of its n units."""
        for index in [first] + [i for i in range(len(TAB_TITLES)) if i != first]:
            if index != first:
                self.start_page(index)
            self.sweep(sources(len(self.program.page().units)))


def weak_pairs(page, value):
    """The pairs of a factor page whose result for `value` is below 0.001 in
    magnitude (fewer than three digits at precision 5), as {source: [targets]},
    and the exponent of a power of ten that lifts all of them to 0.01 or more."""
    if page.category == TEMPERATURE:
        return {}, 0
    weak, need = {}, 1.0
    for i, src in enumerate(page.units):
        for j, dst in enumerate(page.units):
            if i != j and abs((value * src.factor) / dst.factor) < 0.001:
                weak.setdefault(i, []).append(j)
                need = max(need, 0.01 * dst.factor / src.factor)
    exponent = 0
    while 10.0 ** exponent < need:
        exponent += 1
    return weak, exponent


def build(units):
    s = Script(units)
    pairs = 0

    s.comment("run 1: a first run; every ordered pair at the default precision 5")
    s.emit("registry", "-")
    s.start()
    s.emit("tabs", len(TAB_TITLES))
    for i, title in enumerate(TAB_TITLES):
        s.emit("tab", i, title)
    for index in range(len(TAB_TITLES)):
        s.start_page(index, "entries")
        n = len(s.program.page().units)
        s.sweep(range(n))
        pairs += n * (n - 1)
    s.comment("typing into a page that converts: the caret stays where it was")
    s.show_page(0)
    s.pick("from", 0)
    s.pick("to", 1)
    s.clear()
    s.type("15.25")
    s.comment("a page keeps its units and texts while another tab is shown")
    s.show_page(3)
    s.show_page(0)
    s.comment("the About command, also by an id with low bits set; it changes nothing")
    for command, close in ((0x10, "ok"), (0x1F, "escape")):
        s.emit("about-open", command)
        s.emit("about-" + close)
    s.emit("fields", *s.fields())
    s.emit("registry", "-")
    s.close("escape")

    s.comment("run 2: Storno writes nothing; precision 0 set through the dialog")
    s.start_with_precision("cancel", 0, "0")
    s.pick("to", 2)
    s.sweep_pages(0, lambda n: sorted({0, n // 2, n - 1}))
    s.close("cancel")

    s.comment("run 3: precision 0 survived the restart; precision 10")
    s.start_with_precision("escape", 3, "10")
    s.sweep_pages(3, lambda n: sorted({1, n // 3, n - 2}) if n > 3 else range(n))
    s.close("sysclose")

    s.comment("run 4: precision 10 survived the restart; back to 5; large values; closing by OK")
    s.start()
    s.start_page(10)
    s.pick("from", 1)
    s.pick("to", 0)
    s.set_precision(None, "cancel")
    s.pick("to", 2)
    s.set_precision("5", "ok")
    s.comment("the pairs whose result printed fewer than three digits in run 1, again with a value")
    s.comment("large enough to print them with at least three (typed with an exponent)")
    for index in range(len(TAB_TITLES)):
        weak, exponent = weak_pairs(s.program.pages[index], read_value(PAGE_VALUES[index]))
        if weak:
            s.start_page(index, value="1e%d" % exponent)
            s.sweep(sorted(weak), weak)
    s.close("ok")

    s.lines.insert(0, "# acceptance script: %d units, %d ordered pairs" % (len(units), pairs))
    return s.lines


def main():
    if len(sys.argv) != 2:
        raise SystemExit("usage: expected.py tests/golden/units.tsv")
    lines = build(read_table(sys.argv[1]))
    out = open(sys.stdout.fileno(), "w", encoding="utf-8", newline="\n", closefd=False)
    out.write("\n".join(lines) + "\n")
    out.flush()


if __name__ == "__main__":
    main()
