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
    s.text_row(4, "Nazwisko", f"{prefix}_4_DRUK")
    s.text_row(5, "Pierwsze imię", f"{prefix}_5_DRUK")
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


def pitm(prefix, whose):
    s = Sheet(prefix, "PIT/M", ("INFORMACJA O DOCHODACH", "MAŁOLETNICH DZIECI"), "7", f"{prefix}_1",
              f"Identyfikator podatkowy NIP / numer PESEL {whose}", "Załącznik do zeznania PIT-36")
    s.part("A. DANE IDENTYFIKACYJNE RODZICA")
    s.text_row(3, "Nazwisko", f"{prefix}_3_DRUK")
    s.text_row(4, "Pierwsze imię", f"{prefix}_4_DRUK")
    s.text_row(5, "Data urodzenia (dzień - miesiąc - rok)", f"{prefix}_5")
    for k, b in ((1, 6), (2, 28)):
        s.part(f"B.{k}. DZIECKO {k}")
        s.text_row(b, "Numer PESEL dziecka", f"{prefix}_{b}")
        s.text_row(b + 1, "Nazwisko", f"{prefix}_{b + 1}_DRUK")
        s.text_row(b + 2, "Pierwsze imię", f"{prefix}_{b + 2}_DRUK")
        s.row("Przychód", [(b + 18, f"{prefix}_{b + 18}")])
        s.row("Koszty uzyskania przychodów", [(b + 19, f"{prefix}_{b + 19}")])
        s.row("Dochód", [(b + 20, f"{prefix}_{b + 20}")])
        s.row("Zaliczki pobrane przez płatnika", [(b + 21, f"{prefix}_{b + 21}")])
    s.part("C. DOCHODY DOLICZANE DO DOCHODU RODZICA")
    s.row("Dochody dzieci razem", [(50, f"{prefix}_50")])
    s.row("Część doliczana przez rodzica (%)", [(51, f"{prefix}_51")])
    s.row("Dochód doliczany do dochodu rodzica", [(52, f"{prefix}_52")])
    s.row("Zaliczki przypadające na rodzica", [(53, f"{prefix}_53")])
    s.write([f"Wzór wydruku załącznika PIT/M (7) za rok 2016 – egzemplarz {whose}; tworzy tools/gen_patterns36.py.",
             "Druk PIT/M (7) nie był dostępny: numery wierszy wynikają z układu wierszy e-deklaracji",
             "i są NIE SPRAWDZONE (inferred)."])


# PIT-36 (23): the rows the scripts fill, by part; (caption, taxpayer row, spouse row or None).
SOURCES = [
    ("1. Stosunek pracy – przychód", 43), ("koszty uzyskania przychodów", 44), ("dochód", 45), ("strata", 46),
    ("zaliczka pobrana przez płatnika", 47), ("w tym przychód z kosztami 50%", 48), ("koszty 50%", 49),
    ("2. Emerytury i renty krajowe – przychód", 50), ("dochód", 51), ("zaliczka pobrana przez płatnika", 52),
    ("3. Działalność wykonywana osobiście – przychód", 53), ("koszty", 54), ("dochód", 55), ("strata", 56),
    ("zaliczka pobrana przez płatnika", 57),
    ("4. Pozarolnicza działalność gospodarcza – przychód", 59), ("koszty", 60), ("dochód", 61), ("strata", 62),
    ("4a. Działy specjalne produkcji rolnej – przychód", 64), ("koszty", 65), ("dochód", 66), ("strata", 67),
    ("5. Najem, podnajem, dzierżawa – przychód", 69), ("koszty", 70), ("dochód", 71), ("strata", 72),
    ("6. Prawa autorskie i pokrewne – przychód", 74), ("koszty", 75), ("dochód", 76), ("strata", 77),
    ("zaliczka pobrana przez płatnika", 78), ("w tym przychód z kosztami 50%", 79), ("koszty 50%", 80),
    ("7. Inne źródła bez zaliczek – przychód", 81), ("koszty", 82), ("dochód", 83), ("strata", 84),
    ("8. Inne źródła (PIT-11) – przychód", 85), ("koszty", 86), ("dochód", 87), ("strata", 88),
    ("zaliczka pobrana przez płatnika", 89),
    ("Razem – przychód", 90), ("koszty", 91), ("dochód", 92), ("zaliczki pobrane przez płatników", 93),
]


def pit36():
    s = Sheet("PIT36", "PIT-36", ("ZEZNANIE O WYSOKOŚCI OSIĄGNIĘTEGO DOCHODU", "(PONIESIONEJ STRATY) W ROKU PODATKOWYM"),
              "23", "PIT36_1", "Identyfikator podatkowy NIP / numer PESEL podatnika",
              "art. 45 ust. 1 ustawy o podatku dochodowym od osób fizycznych")
    s.part("SPOSÓB OPODATKOWANIA I CEL ZŁOŻENIA")
    s.row("6. Indywidualnie", [(None, ""), ("6.1", "PIT36_6_1")], "check")
    s.row("6. Wspólnie z małżonkiem (art. 6 ust. 2)", [(None, ""), ("6.2", "PIT36_6_2")], "check")
    s.row("6. Wspólnie z małżonkiem (art. 6a ust. 1)", [(None, ""), ("6.3", "PIT36_6_3")], "check")
    s.row("6. Jako osoba samotnie wychowująca dzieci", [(None, ""), ("6.4", "PIT36_6_4")], "check")
    s.text_row(9, "Urząd skarbowy", "US_NAZWA")
    s.row("10. Złożenie zeznania / korekta zeznania", [("10.1", "PIT36_10_1"), ("10.2", "PIT36_10_2")], "check")
    s.part("B. DANE IDENTYFIKACYJNE I ADRES")
    s.text_row(11, "Nazwisko podatnika", "PIT36_11_DRUK")
    s.text_row(12, "Pierwsze imię", "PIT36_12_DRUK")
    s.text_row(13, "Data urodzenia", "PIT36_13")
    s.text_row(21, "Miejscowość", "PIT36_21")
    s.text_row(18, "Ulica", "PIT36_18")
    s.text_row(22, "Kod pocztowy", "PIT36_22")
    s.text_row(2, "Identyfikator małżonka", "PIT36_2")
    s.text_row(24, "Nazwisko małżonka", "PIT36_24_DRUK")
    s.text_row(25, "Pierwsze imię małżonka", "PIT36_25_DRUK")
    s.part("C. DOCHODY (STRATY) ZE ŹRÓDEŁ PRZYCHODÓW")
    s.heads("Podatnik", "Małżonek")
    for caption, row in SOURCES:
        s.row(caption, [(row, f"PIT36_{row}"), (row + 51, f"PIT36_{row + 51}")])
    s.part("D. ODLICZENIA OD DOCHODU, DOCHODY DZIECI")
    s.heads("Podatnik", "Małżonek")
    for caption, row in (("Straty z lat ubiegłych", 145), ("Składki na ubezpieczenia społeczne", 147),
                         ("Odliczenia od dochodu z PIT/O", 149), ("Dochód po odliczeniach", 151),
                         ("Dochody małoletnich dzieci (PIT/M)", 153)):
        s.row(caption, [(row, f"PIT36_{row}"), (row + 1, f"PIT36_{row + 1}")])
    s.part("E. OBLICZENIE PODATKU")
    for caption, row in (("Dochód do opodatkowania", 187), ("Dochody zwolnione z progresją (art. 27 ust. 8)", 188),
                         ("Dochód do ustalenia stopy podatku", 189), ("Podstawa obliczenia podatku", 190),
                         ("Podatek według skali", 191), ("Podatek razem", 195),
                         ("Podatek zapłacony za granicą (art. 27 ust. 9 i 9a)", 198),
                         ("Składka zdrowotna podatnika", 196), ("Składka zdrowotna małżonka", 197),
                         ("Ulga abolicyjna (art. 27g)", 199), ("Ulga na dzieci (art. 27f)", 200),
                         ("Podatek po odliczeniach", 205), ("PODATEK NALEŻNY", 206),
                         ("Zaliczki pobrane przez płatników", 207), ("Zaliczki wpłacone przez podatnika", 208),
                         ("Kwota do zapłaty", 224), ("Nadpłata", 225)):
        s.row(caption, [(row, f"PIT36_{row}")])
    s.part("F. ZWROT NIEWYKORZYSTANEJ ULGI NA DZIECI")
    for caption, row in (("Składki podatnika", 230), ("Składki małżonka", 231),
                         ("Niewykorzystana ulga na dzieci", 232), ("Kwota zwrotu", 234),
                         ("Nadpłata razem ze zwrotem", 235)):
        s.row(caption, [(row, f"PIT36_{row}")])
    s.part("G. WNIOSEK O PRZEKAZANIE 1% PODATKU NALEŻNEGO")
    s.text_row(329, "Numer KRS", "PIT36_329")
    s.row("Kwota 1%", [(330, "PIT36_330")])
    s.text_row(331, "Cel szczegółowy 1%", "PIT36_331")
    s.row("Zgoda na przekazanie danych organizacji", [(332, "PIT36_332")], "check")
    s.part("H. ZAŁĄCZNIKI (LICZBA)")
    for caption, row in (("PIT/B", 334), ("PIT/D", 335), ("PIT/M", 336), ("PIT/O", 337), ("PIT/ZG", 338),
                         ("PIT-2K", 339)):
        s.row(caption, [(row, f"PIT36_{row}")], "text")
    s.write(["Wzór wydruku zeznania PIT-36 (23) za rok 2016; tworzy tools/gen_patterns36.py.",
             "Druk PIT-36 (23) nie był dostępny: podział na części, opisy i numery wierszy poza nagłówkiem",
             "(1-36) i 1% (329-332) wynikają z układu e-deklaracji i są NIE SPRAWDZONE (inferred).",
             "Wiersze, których program nie wypełnia, nie są drukowane."])


if __name__ == "__main__":
    pitm("PITM", "podatnika")
    pitm("PITMM", "małżonka")
    pit36()
    pitb("PITB", "podatnika")
    pitb("PITBM", "małżonka")
