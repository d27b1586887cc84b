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
        a(f"TEST|(FIRMA{k}_UDZIAL_{s} > 0) & (FIRMA{k}_UDZIAL_{s} < 100.001)|Udział w zysku działalności {k} "
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


def write(name, lines):
    (ROOT / name).write_text("\n".join(lines) + "\n", encoding="utf-8")


if __name__ == "__main__":
    write("p_dzialalnosc.pit", business_page("P"))
    write("p_dzialalnosc_m.pit", business_page("M"))
    write("c_dzialalnosc.pit", business_calc())
