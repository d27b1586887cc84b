#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the partnership parts of the PIT-28 scripts of the 2016 set: data/scripts/p28_spolki.pit
(the page asking the second, third and fourth partnership; the first is asked on p28_przychody)
and data/scripts/c28_spolki.pit (each partnership's revenue, the taxpayer's share per rate, and the
rows of the two copies of PIT-28/B). The script language has no loops, so every partnership and
every block of the attachment is spelled out; this generator keeps them consistent. Run it after
changing the rules, and commit its output.

    python3 tools/gen_pit28_spolki.py

One PIT-28/B holds two partnerships (taxopedia.pl, "Broszura do PIT-28/B": "Na jednym załączniku
PIT-28/B wykazuje się dane dotyczące dwóch działalności prowadzonych w formie spółki (spółek) osób
fizycznych. Jeśli jest taka potrzeba, to można załączyć kolejny załącznik"); the e-declaration
writer attaches at most two copies (PIT28B1, PIT28B2), so at most four partnerships. The rows of
the second block repeat those of the first 29 rows further (the writer's layout: 7 and 36 the
names, 8 and 37 the NIP numbers) – inferred, see data/README.md.
"""
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent / "data" / "scripts"
PARTNERSHIPS = 4
RATES = [("20", "20%", "0.2"), ("17", "17%", "0.17"), ("85", "8,5%", "0.085"), ("55", "5,5%", "0.055"),
         ("3", "3%", "0.03"), ("2", "2%", "0.02")]
ORDINAL = {2: "Druga", 3: "Trzecia", 4: "Czwarta"}
ORDINAL_GEN = {2: "drugiej", 3: "trzeciej", 4: "czwartej"}
# (copy, first row of the block) of each slot: slots 1 and 2 on PIT28B1, 3 and 4 on PIT28B2.
SLOTS = [("PIT28B1", 7), ("PIT28B1", 36), ("PIT28B2", 7), ("PIT28B2", 36)]
LAST_ROW = 76


def answer(k, name):
    """The answer variable of partnership k: SP28_* for the first (asked on p28_przychody), SPk_*."""
    return f"SP28_{name}" if k == 1 else f"SP{k}_{name}"


def page():
    L = []
    a = L.append
    a("HEAD|Udziały w kolejnych spółkach (PIT-28/B)")
    a("TEXT|Wpisz tu drugą, trzecią i czwartą spółkę cywilną lub jawną opodatkowaną ryczałtem, w której "
      "masz udział – pierwszą wpisałeś na poprzedniej stronie. Dla każdej spółki podaj przychody całej "
      "spółki z jej ewidencji i swój udział; program przypisze Ci część przychodów według udziału.|9")
    a("HINT|R|Ile załączników PIT-28/B?|Jeden załącznik PIT-28/B mieści dwie spółki. Gdy spółek jest trzy albo "
      "cztery, program dołączy drugi egzemplarz PIT-28/B. Program przyjmuje najwyżej cztery spółki – tyle "
      "mieszczą dwa załączniki, które przyjmuje e-deklaracja.")
    for k in range(2, PARTNERSHIPS + 1):
        a("SPACE|8")
        a(f"CHOICE|CHECK|{answer(k, 'TAK')}||{{B}}Mam udział w {ORDINAL_GEN[k]} spółce|||GR_SP{k}")
        a(f"GROUP_BEGIN|{{B}}{ORDINAL[k]} spółka cywilna lub jawna|20|GR_SP{k}|{answer(k, 'TAK')} = 1")
        a(f"EDIT|{answer(k, 'NAZWA')}|330|Nazwa spółki:|||200|100")
        a(f"EDIT|{answer(k, 'NIP')}|120|NIP spółki:|||200|13")
        a(f"FLOAT|{answer(k, 'UDZIAL')}|80|Twój udział w przychodach spółki (w %):|||330")
        for code, label, _ in RATES:
            a(f"FLOAT|{answer(k, code)}|150|Przychody całej spółki – stawka {label}:|||330")
        a("SPACE|4")
        a("GROUP_END")
    a("TEST_BEGIN")
    ticks = " + ".join(answer(k, "TAK") for k in range(2, PARTNERSHIPS + 1))
    a(f"TEST|{ticks} > 0|Zaznacz co najmniej jedną kolejną spółkę albo wróć i odpowiedz „nie” na pytanie o "
      "udziały w innych spółkach.")
    for k in range(2, PARTNERSHIPS + 1):
        revenue = " + ".join(answer(k, code) for code, _, _ in RATES)
        a(f"IF|{answer(k, 'TAK')} = 1")
        a(f"TEST|{answer(k, 'NAZWA')} <> 0|Wpisz nazwę {ORDINAL_GEN[k]} spółki – trafi do załącznika PIT-28/B.")
        a(f"TEST|({answer(k, 'UDZIAL')} > 0) & ({answer(k, 'UDZIAL')} < 100.01)|Udział w przychodach "
          f"{ORDINAL_GEN[k]} spółki wpisz w procentach – od 1 do 100.")
        a(f"TEST|{revenue} > 0|Wpisz przychody {ORDINAL_GEN[k]} spółki według stawek ryczałtu.")
        a("ENDIF")
    a("TEST_END")
    return "\n".join(L) + "\n"


def script():
    L = []
    a = L.append
    a("# Udziały w spółkach opodatkowanych ryczałtem: załącznik PIT-28/B (wygenerowany przez")
    a("# tools/gen_pit28_spolki.py – zmieniaj generator, nie ten plik). Przychody spółki przypisuje się")
    a("# wspólnikowi według jego udziału (art. 8 ust. 1 ustawy o PIT, stosowany na podstawie art. 10 ust. 2")
    a("# ustawy o ryczałcie); sumy udziałów według stawek (SPS28_*) c28_ryczalt wpisuje w wierszu spółek PIT-28, poz. 28-35.")
    a("# Jeden PIT-28/B mieści dwie spółki, e-deklaracja przyjmuje dwa egzemplarze (PIT28B1, PIT28B2):")
    a("# kolejne zaznaczone spółki zajmują kolejne miejsca 1-4. Numery pozycji wywnioskowane (data/README.md).")
    a("# Wartości wczytane z pliku są tekstem: puste zamieniane na 0.")
    a("IF SP28_TAK <> 1")
    a("SET SP28_WIECEJ = 0")
    a("ENDIF")
    for k in range(1, PARTNERSHIPS + 1):
        for code, _, _ in RATES + [("UDZIAL", "", "")]:
            v = answer(k, code)
            a(f"IF {v} = \"\"")
            a(f"SET {v} = 0")
            a("ENDIF")
    # Partnership k counts only when ticked (the later ones also only after "tak" to SP28_WIECEJ);
    # SPK_k is the slot it takes (0: none). The language allows one IF level, so no nesting.
    a("SET SP28_ILE = 0")
    for k in range(1, PARTNERSHIPS + 1):
        cond = "SP28_TAK = 1" if k == 1 else f"(SP28_TAK = 1) & (SP28_WIECEJ = 1) & ({answer(k, 'TAK')} = 1)"
        a(f"SET SPK_{k} = 0")
        a(f"IF {cond}")
        a("SET SP28_ILE = SP28_ILE + 1")
        a(f"SET SPK_{k} = SP28_ILE + 0")
        a("ENDIF")
    # Empty slots first, then the partnership of each taken slot.
    for s in range(1, PARTNERSHIPS + 1):
        a(f"SET SPM{s}_NAZWA")
        a(f"SET SPM{s}_NIP")
        for code, _, _ in RATES + [("UDZIAL", "", "")]:
            a(f"SET SPM{s}_{code} = 0")
        for k in range(1, PARTNERSHIPS + 1):
            a(f"IF SPK_{k} = {s}")
            a(f"SET SPM{s}_NAZWA = TEXT {answer(k, 'NAZWA')}")
            a(f"SET SPM{s}_NIP = TEXT {answer(k, 'NIP')}")
            for code, _, _ in RATES + [("UDZIAL", "", "")]:
                a(f"SET SPM{s}_{code} = {answer(k, code)} + 0")
            a("ENDIF")
    # Number of PIT-28/B attachments (PIT-28 poz. 143, read by the writer): one per two partnerships.
    a("SET PIT28_143 = 0")
    a("IF SP28_ILE > 0")
    a("SET PIT28_143 = 1")
    a("ENDIF")
    a("IF SP28_ILE > 2")
    a("SET PIT28_143 = 2")
    a("ENDIF")
    for copy in ("PIT28B1", "PIT28B2"):
        a(f"# ---- {copy}: poz. 6 liczba załączników PIT-28/B; pozycje niewypełniane – zero albo pusty tekst.")
        a(f"SET {copy}_6 = PIT28_143 + 0")
        for row in range(7, LAST_ROW + 1):
            if row in (7, 8, 36, 37):
                a(f"SET {copy}_{row}")
            else:
                a(f"SET {copy}_{row} = 0")
    for code, _, _ in RATES:
        a(f"SET SPS28_{code} = 0")
    for s, (copy, base) in enumerate(SLOTS, start=1):
        a(f"# ---- Spółka {s}: {copy}, poz. {base}-{base + 16}.")
        a(f"IF SP28_ILE > {s - 1}")
        a(f"SET {copy}_{base} = TEXT SPM{s}_NAZWA")
        a(f"SET {copy}_{base + 1} = TEXT SPM{s}_NIP")
        a(f"SET {copy}_{base + 2} = SPM{s}_UDZIAL + 0")
        for i, (code, _, _) in enumerate(RATES):
            a(f"SET {copy}_{base + 4 + i} = SPM{s}_{code} + 0")
            a(f"SET {copy}_{base + 10 + i} = ROUND (SPM{s}_{code} * SPM{s}_UDZIAL) / 100, 2")
            a(f"SET SPS28_{code} = SPS28_{code} + {copy}_{base + 10 + i}")
        whole = " + ".join(f"{copy}_{base + 4 + i}" for i in range(len(RATES)))
        share = " + ".join(f"{copy}_{base + 10 + i}" for i in range(len(RATES)))
        a(f"SET {copy}_{base + 3} = {whole}")
        a(f"SET {copy}_{base + 16} = {share}")
        a("ENDIF")
    return "\n".join(L) + "\n"


def main():
    (ROOT / "p28_spolki.pit").write_text(page(), encoding="utf-8")
    (ROOT / "c28_spolki.pit").write_text(script(), encoding="utf-8")


if __name__ == "__main__":
    main()
