#!/usr/bin/env python3
"""Writes the PIT-38 scripts of the 2016 set for the taxpayer and for the spouse's own PIT-38M:
data/scripts/p38_dochody.pit, p38_zagranica.pit, c38_podatek.pit and their spouse twins ending in
_m, plus c38_dane.pit (the form's own header rows). The two returns have the same rows under the
prefixes PIT38 and PIT38M, and PIT/ZG is attached up to five times per return, so the pages and
the calculation are spelled out per prefix and per country; this generator keeps them identical.
Run it after changing the rules, and commit its output.

    python3 tools/gen_pit38.py
"""
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent / "data" / "scripts"
LOSS_YEARS = [2011, 2012, 2013, 2014, 2015]  # the five years before 2016 (art. 9 ust. 3)
COUNTRIES = 5  # the PIT-38 writer attaches PIT/ZG at most five times


class Person:
    def __init__(self, spouse):
        self.spouse = spouse
        self.p = "PIT38M" if spouse else "PIT38"  # form rows
        self.a = "S38M" if spouse else "S38"  # answers that are not rows
        self.z = "PITZGM" if spouse else "PITZG"  # PIT/ZG copies
        self.suffix = "_m" if spouse else ""
        self.whose = " małżonka" if spouse else ""

    def zg(self, k):
        return self.z if k == 1 else f"{self.z}{k}"


def zero_empty(a, name):
    a(f"IF {name} = \"\"")
    a(f"SET {name} = 0")
    a("ENDIF")


def calc(o):
    L = []
    a = L.append
    p, s = o.p, o.a
    a(f"# PIT-38 (11){' małżonka (PIT-38M, własne zeznanie małżonka)' if o.spouse else ''}: dochody z art. 30b")
    a("# ustawy o PIT (odpłatne zbycie papierów wartościowych, udziałów, instrumentów pochodnych)")
    a("# i zryczałtowany podatek od przychodów kapitałowych uzyskanych za granicą (art. 30a).")
    a("# Plik wygenerowany przez tools/gen_pit38.py – zmieniaj generator, nie ten plik.")
    a("# Pola kwot, których użytkownik nie wypełnił, mogą po otwarciu pliku przyjść jako pusty tekst.")
    for row in (20, 21, 22, 23):
        zero_empty(a, f"{p}_{row}")
    for y in LOSS_YEARS:
        zero_empty(a, f"{s}_STRATA_{y}")
        zero_empty(a, f"{s}_ODL_{y}")
    zero_empty(a, f"{s}_DYW")
    zero_empty(a, f"{s}_DYW_POD")
    for k in range(1, COUNTRIES + 1):
        zero_empty(a, f"{o.zg(k)}_31")
        zero_empty(a, f"{o.zg(k)}_32")
    a("# ---- Część C: przychody z PIT-8C (poz. 20-21), inne (poz. 22-23), razem (poz. 24-25),")
    a("# dochód albo strata (poz. 26-27). Dochodem jest nadwyżka przychodów nad kosztami (art. 30b ust. 2).")
    a(f"SET {p}_24 = {p}_20 + {p}_22")
    a(f"SET {p}_25 = {p}_21 + {p}_23")
    a(f"SET {p}_26 = 0")
    a(f"SET {p}_27 = 0")
    a(f"IF {p}_24 > {p}_25")
    a(f"SET {p}_26 = {p}_24 - {p}_25")
    a("ELSE")
    a(f"SET {p}_27 = {p}_25 - {p}_24")
    a("ENDIF")
    a("# ---- Część D: straty z lat ubiegłych (art. 9 ust. 3): strata z każdego z pięciu poprzednich")
    a("# lat, w jednym roku najwyżej 50% jej kwoty i nie więcej niż to, co z niej jeszcze nie odliczono.")
    total = []
    for y in LOSS_YEARS:
        a(f"SET {s}_LIM_{y} = ROUND {s}_STRATA_{y} * 0.5, 2")
        a(f"SET {s}_RESZTA_{y} = {s}_STRATA_{y} - {s}_ODL_{y}")
        a(f"IF {s}_RESZTA_{y} < 0")
        a(f"SET {s}_RESZTA_{y} = 0")
        a("ENDIF")
        a(f"IF {s}_LIM_{y} > {s}_RESZTA_{y}")
        a(f"SET {s}_LIM_{y} = {s}_RESZTA_{y} + 0")
        a("ENDIF")
        total.append(f"{s}_LIM_{y}")
    a(f"SET {s}_STRATY = " + " + ".join(total))
    a(f"SET {p}_28 = {s}_STRATY + 0")
    a(f"IF {p}_28 > {p}_26")
    a(f"SET {p}_28 = {p}_26 + 0")
    a("ENDIF")
    a("# Podstawa obliczenia podatku zaokrąglona do pełnych złotych (art. 63 § 1 Ordynacji podatkowej),")
    a("# podatek 19% (art. 30b ust. 1).")
    a(f"SET {p}_29 = ROUND {p}_26 - {p}_28, 0")
    a(f"SET {p}_30 = ROUND {p}_29 * 0.19, 2")
    a("# Podatek zapłacony za granicą od dochodów z art. 30b (art. 30b ust. 5a-5b, załącznik PIT/ZG,")
    a("# jedno państwo w jednym załączniku): odlicza się go najwyżej do tej części podatku, która")
    a("# proporcjonalnie przypada na dochód uzyskany w tym państwie.")
    sums = []
    for k in range(1, COUNTRIES + 1):
        z = o.zg(k)
        a(f"GETFILE {z}K kraje {z}_KRAJ")
        a(f"SET {z}_7 = TEXT {z}K_1")
        a(f"SET {z}_ODL = 0")
        a(f"IF ({p}_26 > 0) & ({z}_31 > 0)")
        a(f"SET {z}_LIMIT = ROUND ({p}_30 * {z}_31) / {p}_26, 2")
        a(f"SET {z}_ODL = {z}_32 + 0")
        a("ENDIF")
        a(f"IF {z}_ODL > {z}_LIMIT")
        a(f"SET {z}_ODL = {z}_LIMIT + 0")
        a("ENDIF")
        sums.append(f"{z}_ODL")
    a(f"SET {p}_31 = " + " + ".join(sums))
    a(f"IF {p}_31 > {p}_30")
    a(f"SET {p}_31 = {p}_30 + 0")
    a("ENDIF")
    a("# Liczba załączników PIT/ZG (poz. 62): państwa wpisane po kolei, bez przerw (test strony).")
    a(f"SET {p}_62 = 0")
    for k in range(1, COUNTRIES + 1):
        z = o.zg(k)
        a(f"IF ({z}_7 <> \"\") & ({z}_31 > 0)")
        a(f"SET {p}_62 = {k}")
        a("ENDIF")
    a("# ---- Część E: zryczałtowany podatek 19% od dywidend i innych przychodów z art. 30a ust. 1")
    a("# pkt 1-5 uzyskanych za granicą, pomniejszony o podatek zapłacony za granicą, nie więcej niż ten")
    a("# podatek (art. 30a ust. 9); różnica zaokrąglona do pełnych złotych.")
    a(f"SET {p}_32 = ROUND {s}_DYW * 0.19, 2")
    a(f"SET {p}_33 = {s}_DYW_POD + 0")
    a(f"IF {p}_33 > {p}_32")
    a(f"SET {p}_33 = {p}_32 + 0")
    a("ENDIF")
    a(f"SET {p}_34 = ROUND {p}_32 - {p}_33, 0")
    a("# ---- Część F: podatek należny – podatek z części D po odliczeniu podatku zagranicznego,")
    a("# zaokrąglony do pełnych złotych, i różnica z części E.")
    a(f"SET {s}_NAL_D = ROUND {p}_30 - {p}_31, 0")
    a(f"SET {p}_35 = {s}_NAL_D + {p}_34")
    a("# Podatek należny 0 drukuje się jako 0,00, nie jako puste pole.")
    a(f"SPECIAL {p}_35")
    return L


def page_income(o):
    L = []
    a = L.append
    p, s = o.p, o.a
    if o.spouse:
        a("HEAD|Przychody małżonka ze sprzedaży papierów wartościowych (PIT-38 małżonka)")
        a("TEXT|Małżonek składa własne zeznanie PIT-38 – wpisz tu kwoty z informacji PIT-8C wystawionych na jego nazwisko. Przy kilku PIT-8C kliknij „+” obok pola i wpisz kwotę z każdej z nich – program je zsumuje.|9")
    else:
        a("HEAD|Przychody ze sprzedaży papierów wartościowych i instrumentów pochodnych")
        a("TEXT|Przepisz kwoty z informacji PIT-8C, które przysłały Ci biura maklerskie i banki. Jeżeli masz kilka PIT-8C, kliknij „+” obok pola i wpisz kwotę z każdej z nich – program je zsumuje, także gdy na jednym rachunku była strata (wtedy koszty są tam większe od przychodu).|9")
    a("SPACE|6")
    a("GROUP_BEGIN|{B}Z informacji PIT-8C (poz. 20-21)")
    a(f"FLOAT|{p}_20|150|Przychód:|||200")
    a(f"FLOAT|{p}_21|150|Koszty uzyskania przychodów:|||200")
    a("HINT|R|Skąd wziąć te kwoty?|W informacji PIT-8C, w części z przychodami z odpłatnego zbycia papierów wartościowych i pochodnych instrumentów finansowych (art. 30b ustawy), są dwie kwoty: przychód i koszty uzyskania przychodów. Przepisz je bez zmian – biuro maklerskie przeliczyło już waluty i wliczyło prowizje.\\nKilka rachunków to kilka PIT-8C: w każdym polu wpisz sumę kwot ze wszystkich informacji (przycisk „+”). Strata na jednym rachunku zmniejsza zysk na innym.\\nKoszty nabycia papierów kupionych przed 2016 r. i sprzedanych w 2016 r. są już w PIT-8C.")
    a("HINT|R|PIT-38 krok po kroku|pomoc_pit38.rtf")
    a("GROUP_END")
    a("SPACE|6")
    a("GROUP_BEGIN|{B}Inne przychody – zagraniczny broker, sprzedaż bez PIT-8C (poz. 22-23)")
    a(f"FLOAT|{p}_22|150|Przychód:|||200")
    a(f"FLOAT|{p}_23|150|Koszty uzyskania przychodów:|||200")
    a("HINT|R|Co tu wpisać?|Przychody ze sprzedaży akcji, obligacji, jednostek funduszy i instrumentów pochodnych, o których nie dostałeś PIT-8C – np. z rachunku u zagranicznego brokera albo ze sprzedaży udziałów w spółce.\\nKwoty w walutach przelicz na złote po średnim kursie NBP z ostatniego dnia roboczego przed dniem uzyskania przychodu albo poniesienia kosztu (art. 11a ustawy).\\nKosztami są wydatki na nabycie sprzedanych papierów i prowizje (art. 22 ust. 1f i art. 23 ust. 1 pkt 38 ustawy). Jeżeli od zysku zapłacono podatek za granicą, wpisz to państwo na następnej stronie.")
    a("GROUP_END")
    a("SPACE|6")
    a(f"GROUP_BEGIN|{{B}}Straty z lat 2011-2015 z papierów wartościowych i instrumentów pochodnych (poz. 28)")
    a("TEXT|Stratę z tego źródła z pięciu poprzednich lat możesz odliczyć od tegorocznego dochodu, ale z każdego roku najwyżej połowę tej straty w jednym roku (art. 9 ust. 3 ustawy). Wpisz stratę wykazaną w zeznaniu PIT-38 za dany rok i to, co z niej odliczyłeś już w latach wcześniejszych – program obliczy, ile możesz odliczyć teraz.|8")
    for y in LOSS_YEARS:
        a(f"FLOAT|{s}_STRATA_{y}|110|Strata z {y} r.:|||200")
        a(f"FLOAT|{s}_ODL_{y}|110|– z tego odliczono już przed 2016 r.:|||200")
    a("GROUP_END")
    a("TEST_BEGIN")
    for y in LOSS_YEARS:
        a(f"TEST|({s}_ODL_{y} < {s}_STRATA_{y}) ^ ({s}_ODL_{y} = {s}_STRATA_{y})|Z straty z {y} r. odliczono już więcej, niż ona wynosiła. Sprawdź obie kwoty w zeznaniach PIT-38 z poprzednich lat.")
    a("TEST_END")
    return L


def page_abroad(o):
    L = []
    a = L.append
    p, s = o.p, o.a
    a(f"HEAD|Dochody z zagranicy i podatek zapłacony za granicą{' – małżonek' if o.spouse else ''}")
    a("TEXT|Jeżeli nie masz dochodów z zagranicy, zostaw puste pola i przejdź dalej. Kwoty w walutach przelicz na złote po średnim kursie NBP z ostatniego dnia roboczego przed dniem wypłaty (art. 11a ustawy).|9")
    a("SPACE|6")
    a("GROUP_BEGIN|{B}Dywidendy, odsetki i inne przychody kapitałowe z zagranicy (poz. 32-33)")
    a(f"FLOAT|{s}_DYW|150|Przychód przed potrąceniem podatku:|||300")
    a(f"FLOAT|{s}_DYW_POD|150|Podatek pobrany za granicą:|||300")
    a("HINT|R|Jak rozliczyć dywidendę z zagranicy?|Od dywidend, odsetek i innych przychodów z art. 30a ust. 1 pkt 1-5 ustawy uzyskanych za granicą płaci się w Polsce 19% od kwoty przed potrąceniem podatku zagranicznego. Podatek pobrany za granicą odlicza się w wysokości przewidzianej w umowie o unikaniu podwójnego opodatkowania (np. 15% przy dywidendzie z USA po złożeniu formularza W-8BEN), ale nie więcej niż 19% (art. 30a ust. 9 ustawy).\\nPrzykład: dywidenda 2 000 zł, za granicą pobrano 15%, czyli 300 zł. Podatek w Polsce: 380 zł – 300 zł = 80 zł.\\nKwoty znajdziesz w rocznym zestawieniu od brokera (np. formularz 1042-S) albo w wyciągach z rachunku.")
    a("GROUP_END")
    a("SPACE|6")
    a("GROUP_BEGIN|{B}Zyski ze sprzedaży papierów opodatkowane także za granicą (załącznik PIT/ZG, poz. 31)")
    a("TEXT|Wpisz każde państwo w osobnym wierszu, od pierwszego: dochód ze sprzedaży papierów uzyskany w tym państwie (jest już w poz. 22-23 na poprzedniej stronie) i podatek od niego zapłacony w tym państwie. Program odliczy podatek najwyżej do tej części polskiego podatku, która przypada na ten dochód (art. 30b ust. 5a ustawy), i dołączy PIT/ZG dla każdego państwa.|8")
    for k in range(1, COUNTRIES + 1):
        z = o.zg(k)
        a("SPACE|4")
        a(f"COMBO|{z}_KRAJ|220|Państwo {k}:|||200||kraje.pit|0")
        a(f"FLOAT|{z}_31|150|Dochód uzyskany w tym państwie:|||200")
        a(f"FLOAT|{z}_32|150|Podatek zapłacony w tym państwie:|||200")
    a("GROUP_END")
    a("TEST_BEGIN")
    # PIT-36 and PIT-39 attach PIT/ZG under the same variable prefixes: one declaration file
    # cannot hold both sets, so the combination is refused rather than printed wrong.
    a(f"TEST|((PIT_36 <> 1) & (PIT_39 <> 1)) ^ ({o.zg(1)}_31 = 0)|Załączników PIT/ZG do PIT-38 i do PIT-36 albo PIT-39 nie da się przygotować w jednym pliku. Złóż PIT-38 w osobnym pliku: rozpocznij nowe zeznanie i zaznacz w nim tylko PIT-38.")
    a(f"TEST|({s}_DYW_POD = 0) ^ ({s}_DYW > 0)|Wpisano podatek pobrany za granicą bez przychodu, od którego go pobrano. Wpisz przychód przed potrąceniem podatku.")
    for k in range(1, COUNTRIES + 1):
        z = o.zg(k)
        a(f"TEST|(({z}_31 = 0) & ({z}_32 = 0)) ^ (({z}_KRAJ <> \"\") & ({z}_KRAJ <> 0) & ({z}_KRAJ <> \"POLSKA\"))|Wybierz z listy państwo {k}, w którym uzyskano dochód i zapłacono podatek.")
        a(f"TEST|({z}_32 = 0) ^ ({z}_31 > 0)|Przy państwie {k} wpisz dochód uzyskany w tym państwie – bez niego nie można odliczyć podatku.")
        if k > 1:
            prev = o.zg(k - 1)
            a(f"TEST|({z}_31 = 0) ^ ({prev}_31 > 0)|Wpisuj państwa po kolei: najpierw wypełnij państwo {k - 1}.")
    a("TEST_END")
    return L


def header():
    L = []
    a = L.append
    a("# PIT-38: wiersze nagłówka i części B własnego formularza (prefiks PIT38, małżonek PIT38M),")
    a("# przepisane z danych wpisanych raz dla wszystkich zeznań (PIT36_*).")
    a("# Plik wygenerowany przez tools/gen_pit38.py – zmieniaj generator, nie ten plik.")
    for spouse in (False, True):
        p = "PIT38M" if spouse else "PIT38"
        src = "PIT36_2" if spouse else "PIT36_1"
        a(f"# {'PIT-38 małżonka' if spouse else 'PIT-38 podatnika'}: identyfikator (poz. 1) – PESEL, gdy {p}_1X nie jest puste, inaczej NIP.")
        a(f"SET {p}_1 = TEXT {src}")
        a(f"IF {src}_N = 1")
        a(f"SET {p}_1X")
        a("ELSE")
        a(f"SET {p}_1X = \"P\"")
        a("ENDIF")
        names = (("7", "PIT36_24"), ("8", "PIT36_25"), ("9", "PIT36_26")) if spouse else (
            ("7", "PIT36_11"), ("8", "PIT36_12"), ("9", "PIT36_13"))
        for row, var in names:
            a(f"SET {p}_{row} = TEXT {var}")
        a(f"SET {p}_10KO = TEXT {'PIT36_27KO' if spouse else 'PIT36_14KO'}")
        a(f"SET {p}_10 = TEXT {'PIT36_27' if spouse else 'PIT36_14'}")
        first = 28 if spouse else 15
        for i in range(9):
            a(f"SET {p}_{11 + i} = TEXT PIT36_{first + i}")
    a("# Cel złożenia PIT-38 małżonka: ten sam co PIT-38 podatnika (poz. 6).")
    a("SET PIT38M_6_1 = PIT38_6_1 + 0")
    a("SET PIT38M_6_2 = PIT38_6_2 + 0")
    a("# Załączniki PIT/ZG: dane identyfikacyjne z części A do wydruku (w e-deklaracji wariant zg38")
    a("# nie ma części z danymi).")
    for spouse in (False, True):
        o = Person(spouse)
        p = o.p
        for k in range(1, COUNTRIES + 1):
            z = o.zg(k)
            a(f"SET {z}_1 = TEXT {p}_1")
            a(f"SET {z}_3 = TEXT {p}_7")
            a(f"SET {z}_4 = TEXT {p}_8")
            a(f"SET {z}_5 = TEXT {p}_9")
    return L


def write(name, lines):
    (ROOT / name).write_text("\n".join(lines) + "\n", encoding="utf-8")


# ---------------------------------------------------------------- print patterns
# Page pixels (1/96 inch), 684 x 1009, the same frame as PIT37.pattern.
PATTERNS = ROOT.parent / "patterns"


class Sheet:
    def __init__(self, name):
        self.L = []

    def a(self, line):
        self.L.append(line)

    def section(self, y, title, grey=215, h=16):
        self.a(f"shade 20 {y} 644 {h} {grey}")
        self.a(f"box 20 {y} 644 {h}")
        self.a("font 7.5 bold")
        self.a(f'text 24 {y + 3} left "{title}"')
        return y + h

    def labelled(self, x, y, w, h, label, field=None, kind="text", comb=0, shaded=False):
        if shaded:
            self.a(f"shade {x} {y} {w} {h} 240")
        self.a(f"box {x} {y} {w} {h}")
        self.a("font 6")
        self.a(f'text {x + 3} {y + 2} left "{label}"')
        if field and comb:
            for i in range(comb):
                self.a(f"box {x + 6 + 15 * i} {y + 13} 15 18")
            self.a(f"field {field} {x + 10.5} {y + 15} 10 pitch=15 kind={kind}")
        elif field:
            self.a(f"field {field} {x + 5} {y + h - 17} 10 kind={kind}")

    def amount(self, x, y, w, h, number, field):
        self.a(f"box {x} {y} {w} {h}")
        if number != "":
            self.a("font 6")
            self.a(f'text {x + 3} {y + 2} left "{number}."')
        if field:
            self.a("font 5.5")
            self.a(f'text {x + w - 3} {y + 2} right "zł, gr"')
            self.a(f"field {field} {x + w - 6} {y + h - 16} 10 right kind=amount")
        else:
            self.a(f"shade {x + 1} {y + 10} {w - 2} {h - 11} 235")

    def check(self, x, y, field, label):
        self.a(f"box {x} {y} 11 11")
        self.a(f"field {field} {x + 2} {y - 1.5} 9 bold kind=check")
        self.a("font 6.5")
        self.a(f'text {x + 15} {y + 1.5} left "{label}"')

    def row(self, y, label, sub, cells, h=30):
        """A described row: the description on the left, amount boxes (number, field) on the right."""
        self.a(f"box 20 {y} 324 {h}")
        self.a("font 6.5")
        self.a(f'text 23 {y + 3} left "{label}"')
        if sub:
            self.a("font 5.5")
            self.a(f'text 23 {y + 13} left "{sub}"')
        width = 320 // len(cells)
        for i, (number, field) in enumerate(cells):
            self.amount(344 + width * i, y, width, h, number, field)
        return y + h

    def footer(self, text, page, pages):
        self.a("line 20 986 664 986 0.7")
        self.a("font 7 bold")
        self.a(f'text 20 990 left "{text}"')
        self.a(f'text 664 990 right "{page}/{pages}"')


def pit38_pattern():
    s = Sheet("PIT38")
    a = s.a
    a("# Wzór wydruku zeznania PIT-38 (11) za rok 2016 (PIT38_01, PIT38_02) i – pod aliasem PIT38M –")
    a("# osobnego zeznania małżonka (te same strony, zmienne PIT38M_*). Wygenerowany przez")
    a("# tools/gen_pit38.py. Numery pozycji: część A (5-6) i B (7-19) według wierszy e-deklaracji;")
    a("# opisy części C-F (poz. 20-35), poz. 57-60 (1%) i 62 ustalone z układu wierszy e-deklaracji –")
    a("# NIE SPRAWDZONE z drukiem na 2016 r. Poz. 36-56 i 61 program nie wypełnia: kratki mają tylko numery.")
    a("pattern PIT38")
    a("alias PIT38M PIT38 PIT38M")
    a("page")
    a("box 0 0 684 1009 1.5")
    a("box 20 8 322 42")
    a("font 6")
    a('text 23 10 left "1. Identyfikator podatkowy NIP / numer PESEL podatnika"')
    for i in range(11):
        a(f"box {26 + 15 * i} 29 15 18")
    a("field PIT38_1 30.5 31 10 pitch=15 kind=text")
    a("shade 342 8 161 42 240")
    a("box 342 8 161 42")
    a('text 345 10 left "2. Nr dokumentu"')
    a("shade 503 8 161 42 240")
    a("box 503 8 161 42")
    a('text 506 10 left "3. Status"')
    a("shade 20 50 644 66 225")
    a("box 20 50 644 66 1.2")
    a("font 24 bold")
    a('text 28 58 left "PIT-38"')
    a("font 7")
    a('text 28 94 left "wariant (11)"')
    a("font 10 bold")
    a('text 320 58 center "ZEZNANIE O WYSOKOŚCI OSIĄGNIĘTEGO DOCHODU"')
    a('text 320 73 center "(PONIESIONEJ STRATY)"')
    a('text 320 88 center "W ROKU PODATKOWYM"')
    a("box 540 60 110 46")
    a("font 6")
    a('text 544 62 left "4. Rok"')
    for i in range(4):
        a(f"box {565 + 15 * i} 78 15 20")
    a("field ROK 569 80 11 pitch=15 bold kind=text")
    a("box 20 116 644 40")
    rows = (("Podstawa prawna:", "Art. 45 ust. 1a pkt 1 ustawy z dnia 26 lipca 1991 r. o podatku dochodowym od osób fizycznych (ustawa)."),
            ("Składający:", "Podatnik, który uzyskał dochody (poniósł stratę) z odpłatnego zbycia papierów wartościowych lub pochodnych instrumentów finansowych (art. 30b ustawy)"),
            ("Termin składania:", "Do 30 kwietnia roku następującego po roku podatkowym (za rok 2016: do 2 maja 2017 r.)."))
    for i, (head, body) in enumerate(rows):
        a("font 6 bold")
        a(f'text 24 {119 + 11 * i} left "{head}"')
        a("font 6")
        a(f'text 100 {119 + 11 * i} left "{body}"')
    y = s.section(156, "A. MIEJSCE I CEL SKŁADANIA ZEZNANIA")
    s.labelled(20, y, 644, 34, "5. Urząd skarbowy, do którego adresowane jest zeznanie", "US_NAZWA")
    y += 34
    a(f"box 20 {y} 644 24")
    a("font 6")
    a(f'text 23 {y + 2} left "6. Cel złożenia formularza (zaznaczyć właściwy kwadrat):"')
    s.check(250, y + 8, "PIT38_6_1", "1. złożenie zeznania")
    s.check(400, y + 8, "PIT38_6_2", "2. korekta zeznania")
    y += 24
    y = s.section(y, "B. DANE IDENTYFIKACYJNE I AKTUALNY ADRES ZAMIESZKANIA")
    y = s.section(y, "B.1. DANE IDENTYFIKACYJNE", 235, 14)
    s.labelled(20, y, 250, 34, "7. Nazwisko", "PIT38_7_DRUK")
    s.labelled(270, y, 214, 34, "8. Pierwsze imię", "PIT38_8_DRUK")
    s.labelled(484, y, 180, 34, "9. Data urodzenia (dzień - miesiąc - rok)")
    for i, x in enumerate((490, 505, 535, 550, 580, 595, 610, 625)):
        a(f"box {x} {y + 13} 15 18")
    a("font 10")
    a(f'text 524 {y + 15} left "-"')
    a(f'text 569 {y + 15} left "-"')
    a(f"field PIT38_9 494.5 {y + 15} 10 pitch=15 kind=text")
    y += 34
    y = s.section(y, "B.2. ADRES ZAMIESZKANIA", 235, 14)
    s.labelled(20, y, 200, 34, "10. Kraj", "PIT38_10")
    s.labelled(220, y, 222, 34, "11. Województwo", "PIT38_11")
    s.labelled(442, y, 222, 34, "12. Powiat", "PIT38_12")
    y += 34
    s.labelled(20, y, 200, 34, "13. Gmina", "PIT38_13")
    s.labelled(220, y, 264, 34, "14. Ulica", "PIT38_14")
    s.labelled(484, y, 90, 34, "15. Nr domu", "PIT38_15")
    s.labelled(574, y, 90, 34, "16. Nr lokalu", "PIT38_16")
    y += 34
    s.labelled(20, y, 270, 34, "17. Miejscowość", "PIT38_17")
    s.labelled(290, y, 120, 34, "18. Kod pocztowy", "PIT38_18")
    s.labelled(410, y, 254, 34, "19. Poczta", "PIT38_19")
    y += 34
    y = s.section(y + 6, "C. DOCHODY / STRATY – ART. 30b UST. 1 USTAWY")
    a(f"shade 344 {y} 320 16 245")
    for i, head in enumerate(("Przychód", "Koszty uzyskania", "Dochód (b - c > 0)", "Strata (c - b > 0)")):
        a(f"box {344 + 80 * i} {y} 80 16")
        a("font 6 bold")
        a(f'text {384 + 80 * i} {y + 4} center "{head}"')
    y += 16
    y = s.row(y, "1. Przychody wykazane w informacji PIT-8C", "kwoty z informacji od biur maklerskich i banków",
              [(20, "PIT38_20"), (21, "PIT38_21"), ("", None), ("", None)])
    y = s.row(y, "2. Inne przychody", "np. rachunek u zagranicznego brokera, sprzedaż bez PIT-8C",
              [(22, "PIT38_22"), (23, "PIT38_23"), ("", None), ("", None)])
    y = s.row(y, "3. Razem", "suma wierszy 1 i 2", [(24, "PIT38_24"), (25, "PIT38_25"), (26, "PIT38_26"), (27, "PIT38_27")])
    a("font 5.5 italic")
    a(f'text 20 {y + 4} left "Strata z poz. 27 może być odliczona od dochodu z tego źródła w pięciu kolejnych latach, w jednym roku najwyżej 50% jej kwoty (art. 9 ust. 3 ustawy)."')
    s.footer("PIT-38(11)", 1, 2)
    a("page")
    a("box 0 0 684 1009 1.5")
    a("font 7 bold")
    a('text 20 8 left "PIT-38"')
    a("font 7")
    a('text 664 8 right "rok 2016"')
    y = s.section(24, "D. OBLICZENIE ZOBOWIĄZANIA PODATKOWEGO")
    y = s.row(y, "Straty z lat ubiegłych", "z tego źródła, z pięciu poprzednich lat, z każdego roku najwyżej 50% straty", [(28, "PIT38_28")])
    y = s.row(y, "Podstawa obliczenia podatku", "poz. 26 - poz. 28, po zaokrągleniu do pełnych złotych", [(29, "PIT38_29")])
    y = s.row(y, "Podatek od dochodu z poz. 29", "19% podstawy (art. 30b ust. 1 ustawy)", [(30, "PIT38_30")])
    y = s.row(y, "Podatek zapłacony za granicą", "art. 30b ust. 5a i 5b ustawy, nie więcej niż poz. 30 (załącznik PIT/ZG)", [(31, "PIT38_31")])
    y = s.section(y + 6, "E. ZRYCZAŁTOWANY PODATEK OD PRZYCHODÓW KAPITAŁOWYCH UZYSKANYCH ZA GRANICĄ (ART. 30a UST. 1 PKT 1-5)")
    y = s.row(y, "Zryczałtowany podatek obliczony od przychodów", "dywidendy, odsetki i inne przychody z zagranicy, 19% (art. 30a ust. 1)", [(32, "PIT38_32")])
    y = s.row(y, "Podatek zapłacony za granicą", "art. 30a ust. 9 ustawy, nie więcej niż poz. 32", [(33, "PIT38_33")])
    y = s.row(y, "Różnica", "poz. 32 - poz. 33, po zaokrągleniu do pełnych złotych", [(34, "PIT38_34")])
    y = s.section(y + 6, "F. PODATEK NALEŻNY")
    y = s.row(y, "Podatek należny", "poz. 30 - poz. 31 po zaokrągleniu do pełnych złotych, plus poz. 34", [(35, "PIT38_35")])
    y = s.section(y + 6, "G. POZOSTAŁE POZYCJE (program ich nie wypełnia)", 225)
    numbers = list(range(36, 57))
    for i, n in enumerate(numbers):
        col, line = i % 7, i // 7
        s.amount(20 + 92 * col, y + 26 * line, 92, 26, n, None)
    y += 26 * 3
    y = s.section(y + 6, "H. WNIOSEK O PRZEKAZANIE 1% PODATKU NALEŻNEGO ORGANIZACJI POŻYTKU PUBLICZNEGO (OPP)")
    s.labelled(20, y, 200, 34, "57. Numer KRS", "PIT38_57", comb=10)
    s.amount(220, y, 160, 34, 58, "PIT38_58")
    s.labelled(380, y, 284, 34, "59. Cel szczegółowy 1%", "PIT38_59")
    y += 34
    a(f"box 20 {y} 644 22")
    s.check(30, y + 6, "PIT38_60", "60. Wyrażam zgodę na przekazanie organizacji moich danych (imię, nazwisko, adres) i kwoty 1%")
    y += 22
    s.labelled(20, y, 644, 30, "61.", shaded=True)
    y += 30
    y = s.section(y + 6, "I. INFORMACJA O ZAŁĄCZNIKACH")
    s.labelled(20, y, 644, 30, "62. Liczba załączników PIT/ZG", "PIT38_62")
    y += 30
    y = s.section(y + 6, "J. OŚWIADCZENIE I PODPIS PODATNIKA")
    a(f"box 20 {y} 644 16")
    a("font 6")
    a(f'text 24 {y + 4} left "Oświadczam, że są mi znane przepisy Kodeksu karnego skarbowego o odpowiedzialności za podanie danych niezgodnych z rzeczywistością."')
    y += 16
    a(f"box 20 {y} 644 44")
    a(f'text 23 {y + 2} left "Podpis podatnika"')
    s.footer("PIT-38(11)", 2, 2)
    return s.L


def zg_pattern():
    s = Sheet("PITZG")
    a = s.a
    a("# Wzór wydruku załącznika PIT/ZG (5) – jedno państwo na jednym załączniku. Ten sam druk dla")
    a("# kolejnych kopii: PITZG2 … PITZG5 i kopii małżonka PITZGM … PITZGM5 (aliasy). Wygenerowany przez")
    a("# tools/gen_pit38.py. Numery pozycji według wierszy e-deklaracji (7, 8-28, 29-30, 31-32, 33-34);")
    a("# opisy ustalone z układu wierszy – NIE SPRAWDZONE z drukiem na 2016 r. Pola części C, D i F")
    a("# wypełniają zeznania PIT-36, PIT-36L i PIT-39; PIT-38 wypełnia część E.")
    a("pattern PITZG")
    for k in range(2, COUNTRIES + 1):
        a(f"alias PITZG{k} PITZG PITZG{k}")
    a("alias PITZGM PITZG PITZGM")
    for k in range(2, COUNTRIES + 1):
        a(f"alias PITZGM{k} PITZG PITZGM{k}")
    a("page")
    a("box 0 0 684 1009 1.5")
    a("box 20 8 322 42")
    a("font 6")
    a('text 23 10 left "1. Identyfikator podatkowy NIP / numer PESEL podatnika"')
    for i in range(11):
        a(f"box {26 + 15 * i} 29 15 18")
    a("field PITZG_1 30.5 31 10 pitch=15 kind=text")
    a("shade 20 50 644 56 225")
    a("box 20 50 644 56 1.2")
    a("font 22 bold")
    a('text 28 58 left "PIT/ZG"')
    a("font 7")
    a('text 28 90 left "wariant (5)"')
    a("font 9 bold")
    a('text 360 60 center "INFORMACJA O WYSOKOŚCI DOCHODU Z ZAGRANICY"')
    a('text 360 75 center "I ZAPŁACONEGO PODATKU"')
    a("font 6")
    a('text 360 92 center "Załącznik do zeznania – jedno państwo na jednym załączniku"')
    y = s.section(110, "A. DANE IDENTYFIKACYJNE PODATNIKA")
    s.labelled(20, y, 250, 34, "3. Nazwisko", "PITZG_3_DRUK")
    s.labelled(270, y, 214, 34, "4. Pierwsze imię", "PITZG_4_DRUK")
    s.labelled(484, y, 180, 34, "5. Data urodzenia", "PITZG_5")
    y += 34
    y = s.section(y + 6, "B. PAŃSTWO UZYSKANIA DOCHODU")
    s.labelled(20, y, 644, 34, "7. Kod kraju", "PITZG_7")
    y += 34
    y = s.section(y + 6, "C. DOCHODY ZE ŹRÓDEŁ POŁOŻONYCH ZA GRANICĄ (zeznanie PIT-36)", 225)
    for i, n in enumerate(range(8, 29)):
        col, line = i % 7, i // 7
        s.amount(20 + 92 * col, y + 26 * line, 92, 26, n, f"PITZG_{n}")
    y += 26 * 3
    y = s.section(y + 6, "D. DOCHODY Z ART. 30c USTAWY (zeznanie PIT-36L)", 225)
    y = s.row(y, "Dochód", "", [(29, "PITZG_29")], 26)
    y = s.row(y, "Podatek zapłacony za granicą", "", [(30, "PITZG_30")], 26)
    y = s.section(y + 6, "E. DOCHODY Z ART. 30b USTAWY (zeznanie PIT-38)")
    y = s.row(y, "Dochód uzyskany w tym państwie", "art. 30b ust. 5a i 5b ustawy, po przeliczeniu na złote", [(31, "PITZG_31")])
    y = s.row(y, "Podatek zapłacony w tym państwie", "", [(32, "PITZG_32")])
    y = s.section(y + 6, "F. DOCHODY Z ART. 30e USTAWY (zeznanie PIT-39)", 225)
    y = s.row(y, "Dochód", "", [(33, "PITZG_33")], 26)
    y = s.row(y, "Podatek zapłacony za granicą", "", [(34, "PITZG_34")], 26)
    s.footer("PIT/ZG(5)", 1, 1)
    return s.L


def main():
    for spouse in (False, True):
        o = Person(spouse)
        write(f"c38_podatek{o.suffix}.pit", calc(o))
        write(f"p38_dochody{o.suffix}.pit", page_income(o))
        write(f"p38_zagranica{o.suffix}.pit", page_abroad(o))
    write("c38_dane.pit", header())
    (PATTERNS / "PIT38.pattern").write_text("\n".join(pit38_pattern()) + "\n", encoding="utf-8")
    (PATTERNS / "PITZG.pattern").write_text("\n".join(zg_pattern()) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
