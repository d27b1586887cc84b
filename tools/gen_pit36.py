#!/usr/bin/env python3
"""Writes the repetitive scripts of PIT-36 and of the business pages shared with PIT-36L:
data/scripts/p_dzialalnosc.pit, p_dzialalnosc_m.pit (pages) and c_dzialalnosc.pit (calculation,
PIT/B). The script language has no loops, so every business of the taxpayer and of the spouse is
spelled out; this generator keeps them consistent. Run it after changing the rules and commit its
output.

    python3 tools/gen_pit36.py
"""
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent / "data" / "scripts"
BUSINESSES = (1, 2, 3)
# PIT/B (14): one block of rows per business: name, share, REGON/NIP, revenue, costs, income, loss.
PITB_BLOCK = {1: 19, 2: 30, 3: 41}
PERSONS = (("P", "PITB", "podatnik"), ("M", "PITBM", "małżonek"))


def business_page(s):
    spouse = s == "M"
    who = "małżonka" if spouse else "Ciebie"
    L = []
    a = L.append
    a(f"HEAD|Działalność gospodarcza {'małżonka' if spouse else 'podatnika'} – zasady ogólne (PIT/B)")
    a("TEXT|Przepisz roczne sumy z podatkowej księgi przychodów i rozchodów " + ("małżonka " if spouse else "")
      + "za 2016 r. – osobno dla każdej firmy i każdego udziału w spółce cywilnej, jawnej lub partnerskiej "
      "(najwyżej trzy). Program policzy dochód albo stratę każdej działalności i wypełni załącznik PIT/B.|9")
    # Udział w zysku: 100%, dopóki użytkownik nie wpisze innego.
    for k in BUSINESSES:
        a(f"IF|(FIRMA{k}_UDZIAL_{s} = \"\") ^ (FIRMA{k}_UDZIAL_{s} = 0)")
        a(f"SET|FIRMA{k}_UDZIAL_{s}|100")
        a("ENDIF")
    for k in BUSINESSES:
        a("SPACE|6")
        if k == 1:
            a("GROUP_BEGIN|{B}Działalność 1")
        else:
            a(f"CHOICE|CHECK|FIRMA{k}_TAK_{s}||{{B}}{'Druga' if k == 2 else 'Trzecia'} działalność albo udział w spółce"
              f"|||GR_FIRMA{k}_{s}")
            a(f"GROUP_BEGIN|{{B}}Działalność {k}|20|GR_FIRMA{k}_{s}|FIRMA{k}_TAK_{s} = 1")
        a(f"EDIT|FIRMA{k}_NAZWA_{s}|330|Nazwa firmy lub spółki:|||200|100")
        a(f"EDIT|FIRMA{k}_REGON_{s}|120|REGON albo NIP spółki:|||200|14")
        a(f"FLOAT|FIRMA{k}_UDZIAL_{s}|100|Udział w zysku (%):|||200")
        a(f"FLOAT|FIRMA{k}_PRZYCHOD_{s}|150|Przychody z księgi:|||200")
        a(f"FLOAT|FIRMA{k}_KOSZTY_{s}|150|Koszty uzyskania przychodów:|||200")
        if k == 1:
            a("HINT|R|Skąd wziąć te kwoty?|Przychody to suma kolumny „przychód razem” podatkowej księgi przychodów "
              "i rozchodów za cały 2016 rok. Koszty to suma wydatków z księgi, poprawiona o różnicę remanentów: "
              "dodaj remanent z 1 stycznia 2016 r. i odejmij remanent z 31 grudnia 2016 r.\\nJeżeli jesteś "
              "wspólnikiem spółki, wpisz przychody i koszty całej spółki oraz swój udział w zysku – program "
              "przypisze Ci część według udziału (art. 8 ustawy). Przy własnej firmie udział wynosi 100%.")
        a("GROUP_END")
    a("SPACE|8")
    a(f"GROUP_BEGIN|{{B}}Składki opłacone przez {who} jako przedsiębiorcę (ZUS)")
    a(f"FLOAT|FIRMA_SKL_SPOL_{s}|150|Składki na ubezpieczenia społeczne:|||300")
    a(f"FLOAT|FIRMA_SKL_ZDR_{s}|150|Składka zdrowotna do odliczenia (7,75%):|||300")
    a("HINT|R|Ile wynosiła składka zdrowotna w 2016 r.?|Przedsiębiorca płacił w 2016 r. składkę zdrowotną "
      "288,95 zł miesięcznie (9%), z czego od podatku odlicza się 248,82 zł (7,75%) za każdy opłacony miesiąc "
      "– za cały rok 2 985,84 zł.\\nWpisz składki zapłacone w 2016 r., których nie zaliczono do kosztów. "
      "Składki pobrane przez pracodawcę wpisuje się na stronie „Składki”.")
    a("GROUP_END")
    a("TEST_BEGIN")
    for k in BUSINESSES:
        if k > 1:
            a(f"IF|FIRMA{k}_TAK_{s} = 1")
        a(f"TEST|(FIRMA{k}_UDZIAL_{s} > 0) & (FIRMA{k}_UDZIAL_{s} < 100.001)|Udział w zysku każdej działalności "
          "musi być większy od zera i nie większy niż 100%.")
        if k > 1:
            a("ENDIF")
    a(f"SET|ZDR_FIRMA_MAX_{s}|2985.841")
    a(f"QUESTION|FIRMA_SKL_ZDR_{s} < ZDR_FIRMA_MAX_{s}|Wpisana składka zdrowotna jest wyższa niż 7,75% "
      "najniższej podstawy za 12 miesięcy 2016 r. (2 985,84 zł). Jeżeli płaciłeś składkę od wyższej podstawy, "
      "zostaw kwotę; jeżeli wpisałeś pełną składkę 9%, popraw ją.\\nCzy chcesz poprawić kwotę?")
    a("TEST_END")
    return L


def business_calc():
    L = []
    a = L.append
    a("# Pozarolnicza działalność gospodarcza na zasadach ogólnych (art. 10 ust. 1 pkt 3, art. 14 ustawy")
    a("# o PIT) i załącznik PIT/B. Wspólna dla PIT-36 i PIT-36L: zapisuje zmienne niezależne od formularza")
    a("# (FIRMA_PRZ_*, FIRMA_KOSZ_*, FIRMA_DOCH_*, FIRMA_STRATA_*, FIRMA_SKL_*), które skrypt formularza")
    a("# przenosi do swoich pozycji. Plik tworzy tools/gen_pit36.py – zmiany wprowadzaj w generatorze.")
    a("# Art. 8 ust. 1-2: przychody i koszty spółki niebędącej osobą prawną przypisuje się wspólnikowi")
    a("# proporcjonalnie do jego udziału w zysku. Art. 9 ust. 2: dochodem ze źródła jest nadwyżka sumy")
    a("# przychodów nad kosztami ich uzyskania, stratą – nadwyżka kosztów nad przychodami; w obrębie")
    a("# jednego źródła (wszystkie działalności razem) zysk jednej działalności pokrywa stratę innej.")
    for s, pre, _ in PERSONS:
        for k in BUSINESSES:
            for f in ("PRZYCHOD", "KOSZTY", "UDZIAL"):
                a(f"IF FIRMA{k}_{f}_{s} = \"\"")
                a(f"SET FIRMA{k}_{f}_{s} = 0")
                a("ENDIF")
        for f in ("SKL_SPOL", "SKL_ZDR"):
            a(f"IF FIRMA_{f}_{s} = \"\"")
            a(f"SET FIRMA_{f}_{s} = 0")
            a("ENDIF")
    a("# Bez wspólnego rozliczenia działalności małżonka nie ma w zeznaniu.")
    a("IF MALZ <> 1")
    for k in BUSINESSES:
        a(f"SET FIRMA{k}_PRZYCHOD_M = 0")
        a(f"SET FIRMA{k}_KOSZTY_M = 0")
    a("SET FIRMA_SKL_SPOL_M = 0")
    a("SET FIRMA_SKL_ZDR_M = 0")
    a("ENDIF")
    for s, pre, who in PERSONS:
        a(f"# ---- {who}")
        for k in BUSINESSES:
            if k > 1:
                a(f"IF FIRMA{k}_TAK_{s} <> 1")
                a(f"SET FIRMA{k}_PRZYCHOD_{s} = 0")
                a(f"SET FIRMA{k}_KOSZTY_{s} = 0")
                a("ENDIF")
            b = PITB_BLOCK[k]
            a(f"# Działalność {k}: wiersze PIT/B {b}-{b + 8}")
            a(f"SET {pre}_{b} = TEXT FIRMA{k}_NAZWA_{s}")
            a(f"SET {pre}_{b + 1} = FIRMA{k}_UDZIAL_{s} + 0")
            a(f"SET {pre}_{b + 2} = TEXT FIRMA{k}_REGON_{s}")
            a(f"SET {pre}_{b + 5} = ROUND (FIRMA{k}_PRZYCHOD_{s} * FIRMA{k}_UDZIAL_{s}) / 100, 2")
            a(f"SET {pre}_{b + 6} = ROUND (FIRMA{k}_KOSZTY_{s} * FIRMA{k}_UDZIAL_{s}) / 100, 2")
            a(f"SET {pre}_{b + 7} = 0")
            a(f"SET {pre}_{b + 8} = 0")
            a(f"IF {pre}_{b + 5} > {pre}_{b + 6}")
            a(f"SET {pre}_{b + 7} = {pre}_{b + 5} - {pre}_{b + 6}")
            a("ELSE")
            a(f"SET {pre}_{b + 8} = {pre}_{b + 6} - {pre}_{b + 5}")
            a("ENDIF")
            a(f"IF ({pre}_{b + 5} = 0) & ({pre}_{b + 6} = 0)")
            a(f"SET {pre}_{b}")
            a(f"SET {pre}_{b + 1} = 0")
            a(f"SET {pre}_{b + 2}")
            a("ENDIF")
        blocks = [PITB_BLOCK[k] for k in BUSINESSES]
        a(f"# Razem (PIT/B 52-55): przychody, koszty, dochód albo strata ze źródła")
        a(f"SET {pre}_52 = " + " + ".join(f"{pre}_{b + 5}" for b in blocks))
        a(f"SET {pre}_53 = " + " + ".join(f"{pre}_{b + 6}" for b in blocks))
        a(f"SET {pre}_54 = 0")
        a(f"SET {pre}_55 = 0")
        a(f"IF {pre}_52 > {pre}_53")
        a(f"SET {pre}_54 = {pre}_52 - {pre}_53")
        a("ELSE")
        a(f"SET {pre}_55 = {pre}_53 - {pre}_52")
        a("ENDIF")
        a(f"SET FIRMA_PRZ_{s} = {pre}_52 + 0")
        a(f"SET FIRMA_KOSZ_{s} = {pre}_53 + 0")
        a(f"SET FIRMA_DOCH_{s} = {pre}_54 + 0")
        a(f"SET FIRMA_STRATA_{s} = {pre}_55 + 0")
        flag = "PIT_B" if s == "P" else "PIT_BM"
        a(f"SET {flag} = 0")
        a(f"IF ({pre}_52 > 0) ^ ({pre}_53 > 0)")
        a(f"SET {flag} = 1")
        a("ENDIF")
        # Podmiot załącznika: dane z części B zeznania.
        idv, nflag, sur, first, born = (("PIT36_1", "PIT36_1_N", "PIT36_11", "PIT36_12", "PIT36_13") if s == "P"
                                        else ("PIT36_2", "PIT36_2_N", "PIT36_24", "PIT36_25", "PIT36_26"))
        a(f"# Dane {'podatnika' if s == 'P' else 'małżonka'} w części A załącznika; {pre}_1X niepusty oznacza PESEL.")
        a(f"SET {pre}_1 = TEXT {idv}")
        a(f"SET {pre}_1X = \"X\"")
        a(f"IF {nflag} = 1")
        a(f"SET {pre}_1X")
        a("ENDIF")
        a(f"SET {pre}_4 = TEXT {sur}")
        a(f"SET {pre}_5 = TEXT {first}")
        a(f"SET {pre}_6 = TEXT {born}")
    return L


LOSS_SOURCES = (("FIRMA", "Działalność gospodarcza", "ZRD_FIRMA"), ("NAJEM", "Najem, podnajem, dzierżawa", "ZRD_NAJEM"),
                ("INNE", "Inne źródła", "ZRD_INNE"))
LOSS_YEARS = (2011, 2012, 2013, 2014, 2015)


def loss_page(s):
    spouse = s == "M"
    L = []
    a = L.append
    a(f"HEAD|Straty z lat ubiegłych {'małżonka' if spouse else 'podatnika'}")
    a("TEXT|Stratę z danego źródła (np. z działalności albo z najmu) odlicza się od dochodu z tego samego źródła "
      "w pięciu kolejnych latach, w jednym roku najwyżej połowę straty z danego roku (art. 9 ust. 3 ustawy). "
      "W 2016 r. można odliczać straty z lat 2011-2015. Wpisz stratę z zeznania za dany rok i część, której "
      "jeszcze nie odliczono – program obliczy, ile odliczyć teraz.|9")
    for src, caption, _ in LOSS_SOURCES:
        a("SPACE|6")
        a(f"CHOICE|CHECK|STR_{src}_TAK_{s}||{{B}}{caption}|||GR_STR_{src}_{s}")
        a(f"GROUP_BEGIN|{{B}}Straty: {caption.lower()}|20|GR_STR_{src}_{s}|STR_{src}_TAK_{s} = 1")
        for y in LOSS_YEARS:
            a(f"FLOAT|STR_{src}_{y}_{s}|130|Strata z {y} r.:|||230")
            a(f"FLOAT|STR_{src}_{y}_POZ_{s}|130|z tego jeszcze nieodliczona:|||230")
        a("GROUP_END")
    a("HINT|R|Przykład|Strata z działalności za 2014 r. wyniosła 20 000 zł, w 2015 r. odliczono 8 000 zł. Do odliczenia "
      "zostało 12 000 zł, ale w 2016 r. można odliczyć najwyżej połowę straty z 2014 r., czyli 10 000 zł – "
      "i nie więcej niż dochód z działalności za 2016 r.")
    a("TEST_BEGIN")
    for src, caption, _ in LOSS_SOURCES:
        for y in LOSS_YEARS:
            a(f"TEST|STR_{src}_{y}_POZ_{s} - STR_{src}_{y}_{s} < 0.001|{caption}: część straty z {y} r., której nie "
              "odliczono, nie może być większa niż cała strata z tego roku.")
    a("TEST_END")
    return L


def loss_calc():
    L = []
    a = L.append
    a("# Straty z lat ubiegłych (art. 9 ust. 3 ustawy o PIT w brzmieniu na 2016 r.): o stratę ze źródła")
    a("# przychodów poniesioną w roku podatkowym można obniżyć dochód z tego źródła w najbliższych kolejno")
    a("# po sobie następujących pięciu latach, przy czym kwota obniżenia w którymkolwiek z tych lat nie może")
    a("# przekroczyć 50% kwoty tej straty. W 2016 r.: straty z lat 2011-2015. Odliczenie nie przekracza")
    a("# pozostałej (nieodliczonej) części straty ani dochodu z tego samego źródła w 2016 r.; najpierw")
    a("# odliczane są straty najstarsze. Plik tworzy tools/gen_pit36.py – zmiany wprowadzaj w generatorze.")
    for s in ("P", "M"):
        for src, _, income in LOSS_SOURCES:
            for y in LOSS_YEARS:
                for v in (f"STR_{src}_{y}_{s}", f"STR_{src}_{y}_POZ_{s}"):
                    a(f"IF {v} = \"\"")
                    a(f"SET {v} = 0")
                    a("ENDIF")
    for s in ("P", "M"):
        a(f"SET STR_ODL_{s} = 0")
        for src, _, income in LOSS_SOURCES:
            a(f"# -- {src} ({'podatnik' if s == 'P' else 'małżonek'})")
            a(f"SET STR_{src}_ODL_{s} = 0")
            a(f"SET STR_ZOSTALO = {income}_{s} + 0")
            cond = f"(P36_STRATY <> 1) ^ (STR_{src}_TAK_{s} <> 1)"
            if s == "M":
                cond += " ^ (MALZ <> 1)"
            a(f"IF {cond}")
            a("SET STR_ZOSTALO = 0")
            a("ENDIF")
            for y in LOSS_YEARS:
                v = f"STR_{src}_{y}_ODL_{s}"
                a(f"SET {v} = ROUND STR_{src}_{y}_{s} * 0.5, 2")
                a(f"IF {v} > STR_{src}_{y}_POZ_{s}")
                a(f"SET {v} = STR_{src}_{y}_POZ_{s} + 0")
                a("ENDIF")
                a(f"IF {v} > STR_ZOSTALO")
                a(f"SET {v} = STR_ZOSTALO + 0")
                a("ENDIF")
                a(f"SET STR_ZOSTALO = STR_ZOSTALO - {v}")
                a(f"SET STR_{src}_ODL_{s} = STR_{src}_ODL_{s} + {v}")
            a(f"SET STR_ODL_{s} = STR_ODL_{s} + STR_{src}_ODL_{s}")
    return L


COUNTRIES = (1, 2, 3, 4, 5)
# Types of foreign income and the PIT/ZG rows (przychód, koszty, dochód) of each method (inferred).
ZG_TYPES = ((1, "praca najemna (art. 12)", 8, 17), (2, "działalność wykonywana osobiście (art. 13)", 11, 20),
            (3, "działalność gospodarcza (art. 14)", 11, 20), (4, "inne źródła", 14, 23))


def zg_prefix(s, k):
    base = "PITZG" if s == "P" else "PITZGM"
    return base if k == 1 else f"{base}{k}"


def foreign_page(s):
    spouse = s == "M"
    L = []
    a = L.append
    a(f"HEAD|Dochody z zagranicy {'małżonka' if spouse else 'podatnika'} (PIT/ZG)")
    a("TEXT|Osobno dla każdego kraju (najwyżej pięć) wpisz przychód i koszty przeliczone na złote (kursem średnim "
      "NBP z ostatniego dnia roboczego przed dniem uzyskania przychodu albo zapłaty podatku) oraz podatek "
      "zapłacony za granicą. Sposób unikania podwójnego opodatkowania określa umowa Polski z danym krajem.|9")
    for k in COUNTRIES:
        a("SPACE|6")
        if k == 1:
            a("GROUP_BEGIN|{B}Kraj 1")
        else:
            a(f"CHOICE|CHECK|ZG{k}_TAK_{s}||{{B}}Dochody z kolejnego kraju ({k})|||GR_ZG{k}_{s}")
            a(f"GROUP_BEGIN|{{B}}Kraj {k}|20|GR_ZG{k}_{s}|ZG{k}_TAK_{s} = 1")
        a(f"COMBO|ZG{k}_KRAJ_{s}|220|Kraj:|||200||kraje.pit|0")
        a(f"CHOICE|RADIO|ZG{k}_R1_{s}|DEFAULT|praca najemna|(art. 12 ustawy)")
        a(f"CHOICE|RADIO|ZG{k}_R2_{s}||działalność wykonywana osobiście|(art. 13, np. umowy zlecenia)")
        a(f"CHOICE|RADIO|ZG{k}_R3_{s}||działalność gospodarcza|(art. 14)")
        a(f"CHOICE|RADIO|ZG{k}_R4_{s}||inne źródła|")
        a(f"FLOAT|ZG{k}_PRZ_{s}|150|Przychód w złotych:|||300")
        a(f"FLOAT|ZG{k}_KOSZ_{s}|150|Koszty uzyskania przychodów:|||300")
        a(f"FLOAT|ZG{k}_POD_{s}|150|Podatek zapłacony za granicą (w złotych):|||300")
        a(f"YESNO|ZG{k}_WYL_{s}|Czy umowa z tym krajem przewiduje metodę wyłączenia z progresją (dochód zwolniony w "
          "Polsce)? „Nie” oznacza metodę proporcjonalnego odliczenia.||420")
        a(f"CHOICE|CHECK|ZG{k}_ABOL_{s}||Stosuję ulgę abolicyjną|(art. 27g – tylko przy proporcjonalnym odliczeniu, "
          "dla pracy i działalności)")
        if k == 1:
            a("HINT|R|Która metoda?|Metodę wskazuje umowa o unikaniu podwójnego opodatkowania z danym krajem (jej "
              "artykuł o unikaniu podwójnego opodatkowania). Przy wyłączeniu z progresją dochód zagraniczny nie jest "
              "opodatkowany w Polsce, ale podnosi stawkę podatku od dochodów krajowych (art. 27 ust. 8 ustawy). Przy "
              "proporcjonalnym odliczeniu dochód jest opodatkowany w Polsce, a podatek zapłacony za granicą odlicza "
              "się – nie więcej niż część polskiego podatku przypadającą na ten dochód (art. 27 ust. 9 i 9a).\\n"
              "Ulga abolicyjna (art. 27g, w 2016 r. bez górnego limitu) obniża podatek o różnicę między podatkiem "
              "obliczonym metodą proporcjonalnego odliczenia a podatkiem obliczonym tak, jakby dochód był zwolniony z "
              "progresją. Przysługuje do dochodów z pracy i działalności uzyskanych za granicą, nie z krajów "
              "stosujących szkodliwą konkurencję podatkową.")
        a("GROUP_END")
    a("TEST_BEGIN")
    a(f"TEST|ZG1_KRAJ_{s} <> \"\"|Wybierz kraj, z którego pochodzi dochód.")
    for k in COUNTRIES:
        if k > 1:
            a(f"IF|ZG{k}_TAK_{s} = 1")
            a(f"TEST|ZG{k}_KRAJ_{s} <> \"\"|Wybierz kraj {k} z listy.")
            if k > 2:
                a(f"TEST|ZG{k - 1}_TAK_{s} = 1|Wypełniaj kraje po kolei: zaznacz najpierw kraj {k - 1}.")
            a("ENDIF")
        a(f"IF|ZG{k}_ABOL_{s} = 1")
        a(f"TEST|ZG{k}_WYL_{s} <> 1|Ulga abolicyjna przysługuje tylko przy metodzie proporcjonalnego odliczenia "
          f"(art. 27g ustawy) – kraj {k}.")
        a(f"TEST|ZG{k}_R4_{s} <> 1|Ulga abolicyjna dotyczy tylko dochodów z pracy i z działalności (art. 27g "
          f"ust. 1 ustawy) – kraj {k}.")
        a("ENDIF")
    a("TEST_END")
    return L


def foreign_calc():
    L = []
    a = L.append
    a("# Dochody z zagranicy i załączniki PIT/ZG (wariant zg36): po jednym na kraj, najwyżej pięć podatnika")
    a("# (PITZG, PITZG2-PITZG5) i pięć małżonka (PITZGM, PITZGM2-PITZGM5). Plik tworzy tools/gen_pit36.py.")
    a("# Art. 27 ust. 8: dochód zwolniony na podstawie umowy (wyłączenie z progresją) nie jest opodatkowany,")
    a("# ale wlicza się do dochodu przy ustalaniu stopy podatku. Art. 27 ust. 9 i 9a: dochód opodatkowany")
    a("# w Polsce, podatek zapłacony za granicą odliczany do części podatku przypadającej na ten dochód")
    a("# (liczy c36_zagr_odl po obliczeniu podatku). Dochód = przychód - koszty; strata za granicą pomijana.")
    for s in ("P", "M"):
        who = "podatnik" if s == "P" else "małżonek"
        a(f"# ---- {who}")
        a(f"SET ZG_WYL_{s} = 0")
        for f in ("PRZ", "KOSZ", "DOCH"):
            for t in (1, 2, 3, 4):
                a(f"SET ZG_PROP_{f}{t}_{s} = 0")
        a(f"SET ZG_IL_{s} = 0")
        idv, nflag, sur, first, born = (("PIT36_1", "PIT36_1_N", "PIT36_11", "PIT36_12", "PIT36_13") if s == "P"
                                        else ("PIT36_2", "PIT36_2_N", "PIT36_24", "PIT36_25", "PIT36_26"))
        for k in COUNTRIES:
            pz = zg_prefix(s, k)
            for f in ("PRZ", "KOSZ", "POD"):
                a(f"IF ZG{k}_{f}_{s} = \"\"")
                a(f"SET ZG{k}_{f}_{s} = 0")
                a("ENDIF")
            a(f"SET ZG{k}_JEST_{s} = 1")
            cond = "(P36_ZAGR <> 1)"
            if k > 1:
                cond += f" ^ (ZG{k}_TAK_{s} <> 1)"
            if s == "M":
                cond += " ^ (MALZ <> 1)"
            a(f"IF ({cond})")
            a(f"SET ZG{k}_JEST_{s} = 0")
            a("ENDIF")
            a(f"IF (ZG{k}_PRZ_{s} = 0) & (ZG{k}_KOSZ_{s} = 0)")
            a(f"SET ZG{k}_JEST_{s} = 0")
            a("ENDIF")
            a(f"IF ZG{k}_JEST_{s} <> 1")
            a(f"SET ZG{k}_PRZ_{s} = 0")
            a(f"SET ZG{k}_KOSZ_{s} = 0")
            a(f"SET ZG{k}_POD_{s} = 0")
            a("ENDIF")
            a(f"SET ZG{k}_DOCH_{s} = ZG{k}_PRZ_{s} - ZG{k}_KOSZ_{s}")
            a(f"IF ZG{k}_DOCH_{s} < 0")
            a(f"SET ZG{k}_DOCH_{s} = 0")
            a("ENDIF")
            a(f"SET ZG{k}_TYP_{s} = 1")
            for t in (2, 3, 4):
                a(f"IF ZG{k}_R{t}_{s} = 1")
                a(f"SET ZG{k}_TYP_{s} = {t}")
                a("ENDIF")
            a(f"# Kraj {k}: PIT/ZG {pz}")
            for r in range(8, 29):
                a(f"SET {pz}_{r} = 0")
            a(f"SET ZG{k}_DOCHP_{s} = 0")
            for t, _, rw, rp in ZG_TYPES:
                a(f"IF (ZG{k}_TYP_{s} = {t}) & (ZG{k}_WYL_{s} = 1)")
                a(f"SET {pz}_{rw} = {pz}_{rw} + ZG{k}_PRZ_{s}")
                a(f"SET {pz}_{rw + 1} = {pz}_{rw + 1} + ZG{k}_KOSZ_{s}")
                a(f"SET {pz}_{rw + 2} = {pz}_{rw + 2} + ZG{k}_DOCH_{s}")
                a("ENDIF")
                a(f"IF (ZG{k}_TYP_{s} = {t}) & (ZG{k}_WYL_{s} <> 1)")
                a(f"SET {pz}_{rp} = {pz}_{rp} + ZG{k}_PRZ_{s}")
                a(f"SET {pz}_{rp + 1} = {pz}_{rp + 1} + ZG{k}_KOSZ_{s}")
                a(f"SET {pz}_{rp + 2} = {pz}_{rp + 2} + ZG{k}_DOCH_{s}")
                a(f"SET ZG_PROP_PRZ{t}_{s} = ZG_PROP_PRZ{t}_{s} + ZG{k}_PRZ_{s}")
                a(f"SET ZG_PROP_KOSZ{t}_{s} = ZG_PROP_KOSZ{t}_{s} + ZG{k}_KOSZ_{s}")
                a(f"SET ZG_PROP_DOCH{t}_{s} = ZG_PROP_DOCH{t}_{s} + ZG{k}_DOCH_{s}")
                a(f"SET ZG{k}_DOCHP_{s} = ZG{k}_DOCH_{s} + 0")
                a("ENDIF")
            a(f"SET {pz}_26 = {pz}_10 + {pz}_13 + {pz}_16")
            a(f"SET {pz}_27 = {pz}_19 + {pz}_22 + {pz}_25")
            a(f"IF ZG{k}_WYL_{s} <> 1")
            a(f"SET {pz}_28 = ZG{k}_POD_{s} + 0")
            a("ENDIF")
            a(f"SET ZG_WYL_{s} = ZG_WYL_{s} + {pz}_26")
            a(f"IF ZG{k}_JEST_{s} = 1")
            a(f"SET ZG_IL_{s} = {k}")
            a("ENDIF")
            a(f"GETFILE ZGK kraje ZG{k}_KRAJ_{s}")
            a(f"SET {pz}_7 = TEXT ZGK_1")
            flag = f"{pz}_1X" if s == "P" else f"{pz}_2X"
            a(f"SET {pz}_1 = TEXT {idv}")
            a(f"SET {flag} = \"X\"")
            a(f"IF {nflag} = 1")
            a(f"SET {flag}")
            a("ENDIF")
            a(f"SET {pz}_3 = TEXT {sur}")
            a(f"SET {pz}_4 = TEXT {first}")
            a(f"SET {pz}_5 = TEXT {born}")
    a("SET PITZG_IL = ZG_IL_P + 0")
    a("SET PITZGM_IL = ZG_IL_M + 0")
    return L


def foreign_credit():
    L = []
    a = L.append
    a("# Odliczenie podatku zapłaconego za granicą (art. 27 ust. 9 i 9a ustawy o PIT): nie więcej niż ta część")
    a("# podatku obliczonego przed odliczeniem, która proporcjonalnie przypada na dochód z danego państwa –")
    a("# liczone osobno dla każdego kraju. Ulga abolicyjna (art. 27g w brzmieniu na 2016 r., bez limitu kwoty,")
    a("# który wprowadzono dopiero od 2021 r.): różnica między podatkiem obliczonym metodą proporcjonalnego")
    a("# odliczenia a podatkiem obliczonym jak przy wyłączeniu z progresją; dla dochodu z danego kraju jest to")
    a("# część podatku przypadająca na ten dochód pomniejszona o odliczony podatek zagraniczny.")
    a("# Podstawa proporcji: ZG_PODATEK_PRZED (podatek po art. 27 ust. 8) i ZG_DOCHOD_RAZEM (dochód obojga")
    a("# przy rozliczeniu wspólnym) z c36_podatek. Plik tworzy tools/gen_pit36.py.")
    a("SET ZG_ODL_RAZEM = 0")
    a("SET ZG_ABOL_RAZEM = 0")
    for s in ("P", "M"):
        a(f"SET ZG_ODL_{s} = 0")
        a(f"SET ZG_ABOL_{s} = 0")
        for k in COUNTRIES:
            a(f"SET ZG{k}_LIMIT_{s} = 0")
            a(f"IF ZG_DOCHOD_RAZEM > 0")
            a(f"SET ZG{k}_LIMIT_{s} = ROUND (ZG_PODATEK_PRZED * ZG{k}_DOCHP_{s}) / ZG_DOCHOD_RAZEM, 2")
            a("ENDIF")
            a(f"SET ZG{k}_ODL_{s} = ZG{k}_POD_{s} + 0")
            a(f"IF ZG{k}_DOCHP_{s} = 0")
            a(f"SET ZG{k}_ODL_{s} = 0")
            a("ENDIF")
            a(f"IF ZG{k}_ODL_{s} > ZG{k}_LIMIT_{s}")
            a(f"SET ZG{k}_ODL_{s} = ZG{k}_LIMIT_{s} + 0")
            a("ENDIF")
            a(f"SET ZG{k}_ABL_{s} = 0")
            a(f"IF (ZG{k}_ABOL_{s} = 1) & (ZG{k}_TYP_{s} < 4) & (ZG{k}_DOCHP_{s} > 0)")
            a(f"SET ZG{k}_ABL_{s} = ZG{k}_LIMIT_{s} - ZG{k}_ODL_{s}")
            a("ENDIF")
            a(f"SET ZG_ODL_{s} = ZG_ODL_{s} + ZG{k}_ODL_{s}")
            a(f"SET ZG_ABOL_{s} = ZG_ABOL_{s} + ZG{k}_ABL_{s}")
        a(f"SET ZG_ODL_RAZEM = ZG_ODL_RAZEM + ZG_ODL_{s}")
        a(f"SET ZG_ABOL_RAZEM = ZG_ABOL_RAZEM + ZG_ABOL_{s}")
    return L


def write(name, lines):
    (ROOT / name).write_text("\n".join(lines) + "\n", encoding="utf-8")


if __name__ == "__main__":
    write("p_dzialalnosc.pit", business_page("P"))
    write("p_dzialalnosc_m.pit", business_page("M"))
    write("c_dzialalnosc.pit", business_calc())
    write("p36_straty.pit", loss_page("P"))
    write("p36_straty_m.pit", loss_page("M"))
    write("c36_straty.pit", loss_calc())
    write("p36_zagranica.pit", foreign_page("P"))
    write("p36_zagranica_m.pit", foreign_page("M"))
    write("c36_zagranica.pit", foreign_calc())
    write("c36_zagr_odl.pit", foreign_credit())
