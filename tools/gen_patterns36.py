#!/usr/bin/env python3
"""Writes the print patterns of PIT-36 and of its attachments PIT/B and PIT/M (taxpayer's and
spouse's copies) as pattern descriptions in data/patterns/. The layout is one generic sheet: a
header with the identifier, the year and the form's name, then the parts as rows of numbered boxes
(caption on the left, the amount or text box on the right; amounts of the taxpayer and the spouse
side by side where the form has both). Run it after changing a row list and commit its output.

    python3 tools/gen_patterns36.py
"""
import pathlib

OUT = pathlib.Path(__file__).resolve().parent.parent / "data" / "patterns"
W, H = 684, 1009
LEFT, RIGHT = 20, 664
TOP_BODY, BOTTOM = 160, 985
ROW = 22


class Sheet:
    def __init__(self, name, title, subtitle, variant, ident, ident_label, note):
        self.name, self.title, self.subtitle, self.variant = name, title, subtitle, variant
        self.ident, self.ident_label, self.note = ident, ident_label, note
        self.lines = []
        self.pages = 0
        self.y = 0

    def out(self, s):
        self.lines.append(s)

    def new_page(self):
        self.pages += 1
        self.out("")
        self.out("page")
        self.out(f"box 0 0 {W} {H} 1.5")
        self.out(f"box {LEFT} 8 322 42")
        self.out("font 6")
        self.out(f'text 23 10 left "1. {self.ident_label}"')
        self.out("comb 26 29 15 18 11")
        self.out(f"field {self.ident} 30.5 31 10 pitch=15 kind=text")
        self.out(f"shade {LEFT} 56 {RIGHT - LEFT} 66 225")
        self.out(f"box {LEFT} 56 {RIGHT - LEFT} 66 1.2")
        self.out("font 24 bold")
        self.out(f'text 28 62 left "{self.title}"')
        self.out("font 7")
        self.out(f'text 28 100 left "wariant ({self.variant})"')
        self.out("font 10 bold")
        self.out(f'text 360 66 center "{self.subtitle[0]}"')
        self.out(f'text 360 81 center "{self.subtitle[1]}"')
        self.out("font 6")
        self.out(f'text 360 100 center "{self.note}"')
        self.out(f"box 560 66 90 46")
        self.out('text 564 68 left "Rok"')
        self.out("comb 575 84 15 20 4")
        self.out("field ROK 579 86 11 pitch=15 bold kind=text")
        self.out("font 6")
        self.out(f'text {RIGHT} 130 right "strona {self.pages}"')
        self.y = TOP_BODY

    def need(self, h):
        if self.pages == 0 or self.y + h > BOTTOM:
            self.new_page()

    def part(self, caption):
        self.need(16 + ROW)
        self.out(f"shade {LEFT} {self.y} {RIGHT - LEFT} 16 215")
        self.out(f"box {LEFT} {self.y} {RIGHT - LEFT} 16")
        self.out("font 7.5 bold")
        self.out(f'text 24 {self.y + 3} left "{caption}"')
        self.y += 16

    def heads(self, *cols):
        """Column heads over the amount boxes (one or two columns)."""
        self.need(14 + ROW)
        xs = self.columns(len(cols))
        self.out("font 6.5 bold")
        for (x, w), c in zip(xs, cols):
            self.out(f"shade {x} {self.y} {w} 14 245")
            self.out(f"box {x} {self.y} {w} 14")
            self.out(f'text {x + w / 2} {self.y + 3} center "{c}"')
        self.y += 14

    @staticmethod
    def columns(n):
        if n == 1:
            return [(484, 180)]
        return [(304, 180), (484, 180)]

    def row(self, caption, cells, kind="amount"):
        """cells: list of (number, variable) for each column; a number None leaves the box shaded."""
        self.need(ROW)
        xs = self.columns(len(cells))
        self.out(f"box {LEFT} {self.y} {xs[0][0] - LEFT} {ROW}")
        self.out("font 6.5")
        self.out(f'text 23 {self.y + 6} left "{caption}"')
        for (x, w), (num, var) in zip(xs, cells):
            if num is None:
                self.out(f"shade {x} {self.y} {w} {ROW} 240")
                self.out(f"box {x} {self.y} {w} {ROW}")
                continue
            self.out(f"box {x} {self.y} {w} {ROW}")
            self.out("font 5.5")
            self.out(f'text {x + 3} {self.y + 1} left "{num}."')
            if kind == "amount":
                self.out(f"field {var} {x + w - 6} {self.y + 7} 9 right kind=amount")
            elif kind == "check":
                self.out(f"field {var} {x + 20} {self.y + 6} 9 bold kind=check")
            else:
                self.out(f"field {var} {x + 20} {self.y + 7} 9 kind=text")
        self.y += ROW

    def text_row(self, num, caption, var):
        self.need(ROW)
        self.out(f"box {LEFT} {self.y} {RIGHT - LEFT} {ROW}")
        self.out("font 5.5")
        self.out(f'text 23 {self.y + 1} left "{num}. {caption}"')
        self.out(f"field {var} 200 {self.y + 7} 9 kind=text")
        self.y += ROW

    def text(self, s):
        self.need(14)
        self.out("font 6 italic")
        self.out(f'text 23 {self.y + 3} left "{s}"')
        self.y += 14

    def write(self, header):
        body = [f"# {h}" for h in header] + [f"pattern {self.name}"] + self.lines
        (OUT / f"{self.name}.pattern").write_text("\n".join(body) + "\n", encoding="utf-8")


def pitb(prefix, whose):
    s = Sheet(prefix, "PIT/B", ("INFORMACJA O WYSOKOŚCI DOCHODU (STRATY)", "Z POZAROLNICZEJ DZIAŁALNOŚCI GOSPODARCZEJ"),
              "14", f"{prefix}_1", f"Identyfikator podatkowy NIP / numer PESEL {whose}",
              "Załącznik do zeznania PIT-36 albo PIT-36L")
    s.part("A. DANE IDENTYFIKACYJNE")
    s.text_row(4, "Nazwisko", f"{prefix}_4")
    s.text_row(5, "Pierwsze imię", f"{prefix}_5")
    s.text_row(6, "Data urodzenia (dzień - miesiąc - rok)", f"{prefix}_6")
    for k, b in ((1, 19), (2, 30), (3, 41)):
        s.part(f"B.{k}. DZIAŁALNOŚĆ {k} (WŁASNA FIRMA ALBO UDZIAŁ W SPÓŁCE)")
        s.text_row(b, "Nazwa firmy lub spółki", f"{prefix}_{b}")
        s.row("Udział w zysku (%)", [(b + 1, f"{prefix}_{b + 1}")])
        s.text_row(b + 2, "REGON albo NIP spółki", f"{prefix}_{b + 2}")
        s.row("Przychody", [(b + 5, f"{prefix}_{b + 5}")])
        s.row("Koszty uzyskania przychodów", [(b + 6, f"{prefix}_{b + 6}")])
        s.row("Dochód", [(b + 7, f"{prefix}_{b + 7}")])
        s.row("Strata", [(b + 8, f"{prefix}_{b + 8}")])
    s.part("C. RAZEM ZE WSZYSTKICH DZIAŁALNOŚCI")
    s.row("Przychody", [(52, f"{prefix}_52")])
    s.row("Koszty uzyskania przychodów", [(53, f"{prefix}_53")])
    s.row("Dochód", [(54, f"{prefix}_54")])
    s.row("Strata", [(55, f"{prefix}_55")])
    s.write([f"Wzór wydruku załącznika PIT/B (14) za rok 2016 – egzemplarz {whose}; tworzy tools/gen_patterns36.py.",
             "Druk PIT/B (14) nie był dostępny: numery wierszy (19-29, 30-40, 41-51 działalności, 52-55 sumy)",
             "wynikają z układu wierszy e-deklaracji i są NIE SPRAWDZONE (inferred), tak jak podział na części."])


if __name__ == "__main__":
    pitb("PITB", "podatnika")
    pitb("PITBM", "małżonka")
