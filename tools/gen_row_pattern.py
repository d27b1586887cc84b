#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the print-pattern descriptions of forms laid out as numbered rows (PIT-28, PIT-28/A,
PIT-36L): a header with the identifier, year and title, then parts of rows, each row a caption and
a numbered box holding its amount, text or tick. Page breaks come by themselves.

    tools/gen_row_pattern.py data/rows/PIT28.rows data/patterns/PIT28.pattern

Row description (UTF-8, one statement a line, "#" starts a comment, fields split by "|"):
    pattern|NAME|form title|subtitle|variant text|attachment note
    part|caption                       a shaded part heading
    sub|caption                        a lighter sub-heading
    note|text                          a line of small print
    person                             the taxpayer's identification (PIT36_* variables)
    office|PURPOSE_VAR_1|PURPOSE_VAR_2 tax office and purpose (złożenie / korekta)
    row|NUMBER|kind|VARIABLE|caption   kind: amount, text or check
    alias|NAME|FROM|TO                 the same pattern also as NAME, its FROM_* fields read as TO_*
"""
import sys

PAGE_W, PAGE_H = 684, 1009
LEFT, WIDTH = 20, 644
TOP_LIMIT = PAGE_H - 40


class Writer:
    def __init__(self, out):
        self.out = out
        self.y = 0
        self.page_no = 0

    def emit(self, line):
        self.out.append(line)

    def new_page(self, name):
        self.page_no += 1
        self.emit("")
        self.emit("page")
        self.emit(f"box 0 0 {PAGE_W} {PAGE_H} 1.5")
        self.emit("font 6")
        self.emit(f'text {PAGE_W - 24} {PAGE_H - 16} right "{name} – strona {self.page_no}"')
        self.y = 10

    def room(self, height, name):
        if self.y + height > TOP_LIMIT:
            self.new_page(name)

    def header(self, title, subtitle, variant, note):
        self.emit(f"box {LEFT} {self.y} 322 42")
        self.emit("font 6")
        self.emit(f'text {LEFT + 3} {self.y + 2} left "1. Identyfikator podatkowy NIP / numer PESEL podatnika"')
        self.emit(f"comb {LEFT + 6} {self.y + 21} 15 18 11")
        self.emit(f"field PIT36_1 {LEFT + 10.5} {self.y + 23} 10 pitch=15 kind=text")
        self.y += 48
        self.emit(f"shade {LEFT} {self.y} {WIDTH} 66 225")
        self.emit(f"box {LEFT} {self.y} {WIDTH} 66 1.2")
        self.emit("font 22 bold")
        self.emit(f'text {LEFT + 8} {self.y + 8} left "{title}"')
        self.emit("font 7")
        self.emit(f'text {LEFT + 8} {self.y + 44} left "{variant}"')
        self.emit("font 9 bold")
        words = subtitle.split(" / ")
        for i, part in enumerate(words):
            self.emit(f'text 320 {self.y + 10 + 13 * i} center "{part}"')
        self.emit(f"box 540 {self.y + 10} 110 46")
        self.emit("font 6")
        self.emit(f'text 544 {self.y + 12} left "Rok"')
        self.emit(f"comb 565 {self.y + 28} 15 20 4")
        self.emit(f"field ROK 569 {self.y + 30} 11 pitch=15 bold kind=text")
        self.y += 66
        if note:
            self.emit(f"box {LEFT} {self.y} {WIDTH} 16")
            self.emit("font 6")
            self.emit(f'text {LEFT + 4} {self.y + 4} left "{note}"')
            self.y += 16

    def part(self, caption, name, grey=215, height=16):
        self.room(height + 30, name)
        self.emit(f"shade {LEFT} {self.y} {WIDTH} {height} {grey}")
        self.emit(f"box {LEFT} {self.y} {WIDTH} {height}")
        self.emit("font 7.5 bold" if grey == 215 else "font 6.5 bold")
        self.emit(f'text {LEFT + 4} {self.y + 3} left "{caption}"')
        self.y += height

    def note(self, text, name):
        self.room(14, name)
        self.emit("font 6 italic")
        self.emit(f'text {LEFT + 4} {self.y + 3} left "{text}"')
        self.y += 14

    def office(self, purpose1, purpose2, name):
        self.room(64, name)
        self.emit(f"box {LEFT} {self.y} {WIDTH} 30")
        self.emit("font 6")
        self.emit(f'text {LEFT + 3} {self.y + 2} left "Urząd skarbowy, do którego adresowane jest zeznanie"')
        self.emit(f"field US_NAZWA {LEFT + 5} {self.y + 15} 10 kind=text")
        self.y += 30
        self.emit(f"box {LEFT} {self.y} {WIDTH} 24")
        self.emit(f'text {LEFT + 3} {self.y + 2} left "Cel złożenia formularza"')
        self.emit(f"box {LEFT + 230} {self.y + 8} 11 11")
        self.emit(f"field {purpose1} {LEFT + 232} {self.y + 8.5} 9 bold kind=check")
        self.emit(f'text {LEFT + 246} {self.y + 10} left "1. złożenie zeznania"')
        self.emit(f"box {LEFT + 380} {self.y + 8} 11 11")
        self.emit(f"field {purpose2} {LEFT + 382} {self.y + 8.5} 9 bold kind=check")
        self.emit(f'text {LEFT + 396} {self.y + 10} left "2. korekta zeznania"')
        self.y += 24

    def person(self, name):
        self.room(34, name)
        cells = [(280, "Nazwisko", "PIT36_11_DRUK"), (184, "Pierwsze imię", "PIT36_12_DRUK"),
                 (180, "Data urodzenia (dzień - miesiąc - rok)", "PIT36_13")]
        x = LEFT
        self.emit("font 6")
        for w, caption, var in cells:
            self.emit(f"box {x} {self.y} {w} 34")
            self.emit(f'text {x + 3} {self.y + 2} left "{caption}"')
            self.emit(f"field {var} {x + 5} {self.y + 17} 10 kind=text")
            x += w
        self.y += 34

    def row(self, number, kind, var, caption, name):
        self.room(24, name)
        value_w = 200
        self.emit(f"box {LEFT} {self.y} {WIDTH - value_w} 24")
        self.emit("font 6.5")
        self.emit(f'text {LEFT + 4} {self.y + 7} left "{caption}"')
        vx = LEFT + WIDTH - value_w
        self.emit(f"box {vx} {self.y} {value_w} 24")
        self.emit("font 6")
        self.emit(f'text {vx + 3} {self.y + 2} left "{number}."')
        if kind == "amount":
            self.emit(f"field {var} {vx + value_w - 8} {self.y + 9} 10 right kind=amount")
        elif kind == "check":
            self.emit(f"box {vx + 30} {self.y + 8} 11 11")
            self.emit(f"field {var} {vx + 32} {self.y + 8.5} 9 bold kind=check")
        else:
            self.emit(f"field {var} {vx + 24} {self.y + 10} 10 kind=text")
        self.y += 24


def generate(rows_text):
    out = []
    w = Writer(out)
    name = None
    aliases = []
    for raw in rows_text.splitlines():
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        f = line.split("|")
        kind = f[0]
        if kind == "pattern":
            name = f[2]
            out.append(f"# Wzór wydruku {f[2]}: generuje go tools/gen_row_pattern.py z data/rows/{f[1]}.rows –")
            out.append("# zmieniaj opis wierszy, nie ten plik. Numery pozycji i opisy: data/README.md.")
            out.append(f"pattern {f[1]}")
            header_at = len(out)
            w.new_page(f[2])
            w.header(f[2], f[3], f[4], f[5] if len(f) > 5 else "")
        elif kind == "part":
            w.part(f[1], name)
        elif kind == "sub":
            w.part(f[1], name, grey=235, height=14)
        elif kind == "note":
            w.note(f[1], name)
        elif kind == "person":
            w.person(name)
        elif kind == "office":
            w.office(f[1], f[2], name)
        elif kind == "row":
            w.row(f[1], f[2], f[3], f[4], name)
        elif kind == "alias":
            aliases.append(f"alias {f[1]} {f[2]} {f[3]}")
        else:
            raise SystemExit(f"nieznane polecenie: {raw}")
    out[header_at:header_at] = aliases
    return "\n".join(out) + "\n"


def main():
    if len(sys.argv) != 3:
        raise SystemExit("użycie: gen_row_pattern.py OPIS.rows WZOR.pattern")
    with open(sys.argv[1], encoding="utf-8") as src:
        text = generate(src.read())
    with open(sys.argv[2], "w", encoding="utf-8") as dst:
        dst.write(text)


if __name__ == "__main__":
    main()
