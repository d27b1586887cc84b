#!/usr/bin/env python3
"""Writes the per-sale parts of the PIT-39 scripts of the 2016 set: data/scripts/p39_sprzedaz.pit
(the page asking up to three sales), data/scripts/c39_sprzedaz.pit (dates, five-year rule, revenue,
costs and income of each sale) and data/scripts/c39_zwolnienie.pit (the exempt income of each sale).
The script language has no loops, so every sale is spelled out; this generator keeps the three
sales consistent. Run it after changing the rules, and commit its output.

    python3 tools/gen_pit39.py
"""
import pathlib

SALES = 3
ORDINAL = ["Pierwsza", "Druga", "Trzecia"]
ROOT = pathlib.Path(__file__).resolve().parent.parent / "data" / "scripts"
# The five-year period of art. 10 ust. 1 pkt 8 runs from the end of the year of acquisition: a sale
# in 2016 is taxed when the property was acquired in 2011 or later.
TAX_YEAR = 2016
FIRST_TAXED_YEAR = TAX_YEAR - 5


def page():
    L = []
    a = L.append
    a("HEAD|Sprzedaż nieruchomości lub praw majątkowych (PIT-39)")
    a("TEXT|Wpisz każdą sprzedaż (zamianę, zniesienie współwłasności za spłatą) z 2016 roku: mieszkania, domu, "
      "działki, udziału w nich, spółdzielczego prawa do lokalu albo prawa użytkowania wieczystego gruntu. "
      "Kwoty i daty znajdziesz w akcie notarialnym sprzedaży i w dokumentach nabycia. Na podstawie dat "
      "program sprawdzi, czy od nabycia minęło pięć lat – wtedy sprzedaż nie podlega podatkowi.|9")
    a("TEXT|Zeznanie PIT-39 za 2016 r. składa się, a podatek wpłaca, do 2 maja 2017 r.|9|B")
    a("HINT|R|Jak wypełnić PIT-39? (pomoc)|pomoc_pit39.rtf")
    a("HINT|R|Kiedy sprzedaż podlega podatkowi?|Podatek płaci się, jeżeli sprzedaż nastąpiła przed upływem "
      "pięciu lat, licząc od końca roku, w którym nieruchomość nabyto albo wybudowano (art. 10 ust. 1 pkt 8 "
      "ustawy). Przykład: mieszkanie kupione w marcu 2012 r. można sprzedać bez podatku od 1 stycznia 2018 r.\\n"
      "W 2016 roku podatkowi podlega więc sprzedaż nieruchomości nabytej w 2011 roku lub później.\\n"
      "Przy spadku datą nabycia jest dzień śmierci spadkodawcy, przy darowiźnie – dzień zawarcia umowy "
      "darowizny, przy budowie – rok zakończenia budowy.")
    for k in range(1, SALES + 1):
        p = f"SPR{k}_"
        a("SPACE|8")
        if k > 1:
            a(f"CHOICE|CHECK|SPR{k}_TAK||{{B}}W 2016 r. była też {ORDINAL[k - 1].lower()} sprzedaż|||GR_SPR{k}")
            a(f"GROUP_BEGIN|{{B}}{ORDINAL[k - 1]} sprzedaż|20|GR_SPR{k}|SPR{k}_TAK = 1")
        else:
            a(f"GROUP_BEGIN|{{B}}{ORDINAL[k - 1]} sprzedaż|20|GR_SPR{k}")
        a(f"EDIT|{p}OPIS|330|Co sprzedałeś (np. mieszkanie, działkę):|||280|60")
        a(f"CHOICE|RADIO|{p}KUPNO|DEFAULT|nabyte przez kupno, zamianę albo wybudowane|||{p}K_NABYCIA")
        a(f"CHOICE|RADIO|{p}SPADEK||nabyte w spadku, w darowiźnie albo w inny nieodpłatny sposób|||{p}PODATEK_SD")
        a("TEXT|Datą nabycia przy spadku jest dzień śmierci spadkodawcy, przy darowiźnie dzień umowy darowizny, "
          "przy budowie dzień jej zakończenia.|8|I")
        a(f"EDITDATE|{p}DATA_NAB|110|Data nabycia (dzień-miesiąc-rok):|||280")
        a(f"EDITDATE|{p}DATA_ZB|110|Data aktu notarialnego sprzedaży:|||280")
        a(f"FLOAT|{p}CENA|150|Cena z aktu notarialnego sprzedaży:|||280")
        a(f"FLOAT|{p}K_ZBYCIA|150|Koszty sprzedaży (notariusz, pośrednik):|||280")
        a(f"FLOAT|{p}K_NABYCIA|150|Koszt nabycia z aktu zakupu:||{p}SPADEK <> 1|280")
        a(f"FLOAT|{p}NAKLADY|150|Nakłady (remonty z fakturami):|||280")
        a(f"FLOAT|{p}PODATEK_SD|150|Zapłacony podatek od spadków i darowizn:||{p}SPADEK = 1|280")
        a(f"HINT|R|Skąd wziąć te kwoty?|Cena sprzedaży: kwota z aktu notarialnego sprzedaży (cena, za którą "
          f"sprzedałeś). Koszty sprzedaży to wydatki poniesione, by sprzedać: taksa notarialna i opłaty z aktu "
          f"sprzedaży, prowizja pośrednika, wycena – przychodem jest cena pomniejszona o te koszty (art. 19 ust. 1 "
          f"ustawy).\\nKoszt nabycia: cena z aktu notarialnego zakupu (umowy deweloperskiej, przydziału) razem z "
          f"taksą notarialną, opłatami sądowymi, podatkiem od czynności cywilnoprawnych i prowizją pośrednika "
          f"przy zakupie (art. 22 ust. 6c). Nakłady: udokumentowane fakturami wydatki, które zwiększyły wartość "
          f"nieruchomości w czasie posiadania.\\nPrzy spadku lub darowiźnie kosztem jest zapłacony podatek od "
          f"spadków i darowizn w części przypadającej na sprzedaną rzecz (z decyzji urzędu skarbowego) oraz "
          f"nakłady (art. 22 ust. 6d).")
        a("GROUP_END")
    a("SPACE|8")
    a("CHOICE|CHECK|P39_ZAGR||{B}Któraś z nieruchomości leży za granicą i zapłaciłem tam podatek od jej sprzedaży|||GR_ZAGR")
    a("GROUP_BEGIN|{B}Nieruchomość za granicą (załącznik PIT/ZG)|20|GR_ZAGR|P39_ZAGR = 1")
    a("COMBO|P39_KRAJ|220|Państwo:|||280||kraje.pit|0")
    for k in range(1, SALES + 1):
        a(f"CHOICE|CHECK|SPR{k}_ZAGR||{ORDINAL[k - 1].lower()} sprzedaż dotyczy nieruchomości w tym państwie|")
    a("FLOAT|P39_PODATEK_ZAGR|150|Podatek zapłacony tam (w złotych):|||280")
    a("HINT|R|Jak rozlicza się podatek zagraniczny?|Podatek zapłacony za granicą od dochodu ze sprzedaży "
      "odlicza się od podatku, ale tylko do tej części polskiego podatku, która przypada na dochód uzyskany "
      "za granicą (art. 30e ust. 6 ustawy). Kwotę w walucie przelicz na złote po średnim kursie NBP z ostatniego "
      "dnia roboczego przed dniem zapłaty podatku. Do zeznania dołącza się załącznik PIT/ZG – program go wypełni.")
    a("GROUP_END")
    a("TEST_BEGIN")
    for k in range(1, SALES + 1):
        cond = "" if k == 1 else f"SPR{k}_TAK = 1"
        if cond:
            a(f"IF|{cond}")
        a(f"TEST|SPR{k}_CENA > 0|{ORDINAL[k - 1]} sprzedaż: wpisz cenę sprzedaży z aktu notarialnego.")
        a(f"TEST|SPR{k}_CENA > SPR{k}_K_ZBYCIA|{ORDINAL[k - 1]} sprzedaż: koszty sprzedaży nie mogą być "
          f"wyższe niż cena – sprawdź kwoty.")
        if cond:
            a("ENDIF")
    a("IF|P39_ZAGR = 1")
    a("TEST|P39_KRAJ <> \"\"|Wybierz państwo, w którym leży nieruchomość.")
    a("TEST|(SPR1_ZAGR = 1) ^ (SPR2_ZAGR = 1) ^ (SPR3_ZAGR = 1)|Zaznacz, której sprzedaży dotyczy podatek "
      "zapłacony za granicą.")
    a("TEST|(PIT38_62 + 0 = 0) & (PITZG_IL + 0 = 0) & (PIT36L_104 + 0 = 0)|W tym zeznaniu załącznik PIT/ZG ma "
      "już inny formularz (PIT-36, PIT-36L albo PIT-38). Złóż PIT-39 z nieruchomością za granicą w osobnym "
      "pliku: rozpocznij nowe zeznanie i wybierz w nim tylko PIT-39.")
    a("ENDIF")
    a("TEST_END")
    return L


def date_lines(var, out):
    """Checks that a date field holds a full dd-mm-yyyy date (digits only, so that the conversion
    never fails on a half-typed mask) and splits it into year and a sortable key yyyymmdd."""
    L = []
    a = L.append
    a(f"SET T = TEXT {var}")
    a("IF T = \"\"")
    a("SET T = \"x\"")
    a("ENDIF")
    a("SET T = REPLACE T,-,")
    for digit in range(10):
        a(f"SET T = REPLACE T,{digit},")
    a(f"SET T9 = TRCSTR {var}, 9")
    a(f"SET {out}_OK = 0")
    a(f"IF (T = \"\") & (T9 <> {var})")
    a(f"SET {out}_OK = 1")
    a("ENDIF")
    a(f"SET ROK_{out} = 0")
    a(f"SET KLUCZ_{out} = 0")
    a("SET MM = 1")
    a("SET DD = 1")
    a(f"IF {out}_OK = 1")
    a(f"SET T = REPLACE {var},-,")
    a("SET N = T + 0")
    a("SET DM = TRUNC N / 10000")
    a(f"SET ROK_{out} = N - (DM * 10000)")
    a("SET DD = TRUNC DM / 100")
    a("SET MM = DM - (DD * 100)")
    a(f"SET KLUCZ_{out} = (ROK_{out} * 10000) + (MM * 100) + DD")
    a("ENDIF")
    a("IF (MM < 1) ^ (MM > 12) ^ (DD < 1) ^ (DD > 31)")
    a(f"SET {out}_OK = 0")
    a("ENDIF")
    return L


def calc():
    L = []
    a = L.append
    a("# Plik tworzy tools/gen_pit39.py – zmiany wprowadzaj w generatorze.")
    a("# Sprzedaże nieruchomości i praw z 2016 r. (art. 10 ust. 1 pkt 8 lit. a-c ustawy o PIT): daty,")
    a("# pięcioletni termin, przychód, koszty i dochód każdej sprzedaży. Zmienne sprzedaży k: SPRk_*.")
    a("# Sprzedaż podlega podatkowi (SPRk_OPOD = 1), gdy nastąpiła w 2016 r. przed upływem pięciu lat")
    a("# licząc od końca roku nabycia, czyli gdy nieruchomość nabyto w 2011 r. lub później; nabycia od")
    a("# 2009 r. rozlicza się według art. 30e (PIT-39), wcześniejsze i tak są już po pięciu latach.")
    for k in range(1, SALES + 1):
        p = f"SPR{k}_"
        a(f"# ---- Sprzedaż {k}")
        if k == 1:
            a(f"SET {p}JEST = 1")
        else:
            a(f"SET {p}JEST = 0")
            a(f"IF SPR{k}_TAK = 1")
            a(f"SET {p}JEST = 1")
            a("ENDIF")
        for name in ["CENA", "K_ZBYCIA", "K_NABYCIA", "NAKLADY", "PODATEK_SD", "WYDATKI"]:
            a(f"IF {p}{name} = \"\"")
            a(f"SET {p}{name} = 0")
            a("ENDIF")
        for line in date_lines(f"{p}DATA_NAB", f"{p}NAB"):
            a(line.replace(f"ROK_{p}NAB", f"{p}ROK_NAB").replace(f"KLUCZ_{p}NAB", f"{p}KLUCZ_NAB"))
        for line in date_lines(f"{p}DATA_ZB", f"{p}ZB"):
            a(line.replace(f"ROK_{p}ZB", f"{p}ROK_ZB").replace(f"KLUCZ_{p}ZB", f"{p}KLUCZ_ZB"))
        a(f"# Daty kompletne, sprzedaż w {TAX_YEAR} r., nabycie nie później niż sprzedaż (SPRk_DATY_OK).")
        a(f"SET {p}DATY_OK = 0")
        a(f"IF ({p}NAB_OK = 1) & ({p}ZB_OK = 1) & ({p}ROK_ZB = {TAX_YEAR})")
        a(f"SET {p}DATY_OK = 1")
        a("ENDIF")
        a(f"IF {p}KLUCZ_NAB > {p}KLUCZ_ZB")
        a(f"SET {p}DATY_OK = 0")
        a("ENDIF")
        a(f"# Rok, z którego końcem mija pięć lat od nabycia (art. 10 ust. 1 pkt 8).")
        a(f"SET {p}KONIEC_5 = {p}ROK_NAB + 5")
        a(f"SET {p}OPOD = 0")
        a(f"SET {p}PO_5_LATACH = 0")
        a(f"IF ({p}JEST = 1) & ({p}DATY_OK = 1) & ({p}ROK_NAB > {FIRST_TAXED_YEAR - 1})")
        a(f"SET {p}OPOD = 1")
        a("ENDIF")
        a(f"IF ({p}JEST = 1) & ({p}DATY_OK = 1) & ({p}ROK_NAB < {FIRST_TAXED_YEAR})")
        a(f"SET {p}PO_5_LATACH = 1")
        a("ENDIF")
        a("# Przychód: cena z umowy pomniejszona o koszty odpłatnego zbycia (art. 19 ust. 1).")
        a("# Koszty: przy kupnie udokumentowany koszt nabycia i nakłady (art. 22 ust. 6c), przy spadku")
        a("# i darowiźnie nakłady oraz zapłacony podatek od spadków i darowizn (art. 22 ust. 6d).")
        a(f"SET {p}PRZYCHOD = 0")
        a(f"SET {p}KOSZTY = 0")
        a(f"IF {p}OPOD = 1")
        a(f"SET {p}PRZYCHOD = {p}CENA - {p}K_ZBYCIA")
        a("ENDIF")
        a(f"IF {p}PRZYCHOD < 0")
        a(f"SET {p}PRZYCHOD = 0")
        a("ENDIF")
        a(f"IF ({p}OPOD = 1) & ({p}SPADEK = 1)")
        a(f"SET {p}KOSZTY = {p}NAKLADY + {p}PODATEK_SD")
        a("ENDIF")
        a(f"IF ({p}OPOD = 1) & ({p}SPADEK <> 1)")
        a(f"SET {p}KOSZTY = {p}K_NABYCIA + {p}NAKLADY")
        a("ENDIF")
        a(f"SET {p}DOCHOD = {p}PRZYCHOD - {p}KOSZTY")
    a("# Liczba sprzedaży opodatkowanych i sprzedaży z dochodem (dla strony zwolnienia).")
    a("SET P39_OPOD_ILE = " + " + ".join(f"SPR{k}_OPOD" for k in range(1, SALES + 1)))
    a("SET P39_DOCHOD_ILE = 0")
    for k in range(1, SALES + 1):
        a(f"IF SPR{k}_DOCHOD > 0")
        a("SET P39_DOCHOD_ILE = P39_DOCHOD_ILE + 1")
        a("ENDIF")
    return L


def exemption():
    L = []
    a = L.append
    a("# Plik tworzy tools/gen_pit39.py – zmiany wprowadzaj w generatorze.")
    a("# Dochód zwolniony na własne cele mieszkaniowe (art. 21 ust. 1 pkt 131 ustawy o PIT): iloczyn")
    a("# dochodu ze sprzedaży i udziału wydatków mieszkaniowych poniesionych w ciągu dwóch lat od końca")
    a("# 2016 r. w przychodzie z tej sprzedaży. Wydatki ponad przychód nie zwiększają zwolnienia.")
    for k in range(1, SALES + 1):
        p = f"SPR{k}_"
        a(f"IF {p}WYDATKI = \"\"")
        a(f"SET {p}WYDATKI = 0")
        a("ENDIF")
        a(f"SET {p}WYD_UZN = 0")
        a(f"IF ({p}OPOD = 1) & ({p}DOCHOD > 0)")
        a(f"SET {p}WYD_UZN = {p}WYDATKI + 0")
        a("ENDIF")
        a(f"IF {p}WYD_UZN > {p}PRZYCHOD")
        a(f"SET {p}WYD_UZN = {p}PRZYCHOD + 0")
        a("ENDIF")
        a(f"SET {p}ZWOLNIONY = 0")
        a(f"IF {p}WYD_UZN > 0")
        a(f"SET {p}ZWOLNIONY = ROUND ({p}DOCHOD * {p}WYD_UZN) / {p}PRZYCHOD, 2")
        a("ENDIF")
    return L


def write(name, lines):
    (ROOT / name).write_text("\n".join(lines) + "\n", encoding="utf-8")


if __name__ == "__main__":
    write("p39_sprzedaz.pit", page())
    write("c39_sprzedaz.pit", calc())
    write("c39_zwolnienie.pit", exemption())
