#!/usr/bin/env python3
"""Writes the child-relief scripts of the 2016 set: data/scripts/c_dzieci.pit (calculation) and
data/scripts/p_dzieci_lista.pit (page). The script language has no loops, so the month-by-month
counting of art. 27f is spelled out for every child and month; this generator keeps the ten
children and twelve months consistent. Run it after changing the rules, and commit its output.

    python3 tools/gen_ulga_dzieci.py
"""
import pathlib

CHILDREN = 10
MONTHS = ["styczeń", "luty", "marzec", "kwiecień", "maj", "czerwiec", "lipiec", "sierpień", "wrzesień",
          "październik", "listopad", "grudzień"]
SHORT = ["sty", "lut", "mar", "kwi", "maj", "cze", "lip", "sie", "wrz", "paź", "lis", "gru"]
# One PIT/O child group per child (part E of the e-declaration); the variable blocks are 3xx-7xx,
# 11xx, then 12xx-15xx for the seventh to the tenth child (8xx-10xx hold part D's deductions).
PITO_BLOCKS = [3, 4, 5, 6, 7, 11, 12, 13, 14, 15]
ORDINAL = ["Pierwsze", "Drugie", "Trzecie", "Czwarte", "Piąte", "Szóste", "Siódme", "Ósme", "Dziewiąte",
           "Dziesiąte"]

ROOT = pathlib.Path(__file__).resolve().parent.parent / "data" / "scripts"


def m2(m):
    return f"{m:02d}"


def calc():
    L = []
    a = L.append
    a("# Ulga na dzieci (art. 27f ustawy o PIT, stan na 2016 r.), liczona miesiąc po miesiącu.")
    a("# Plik tworzy tools/gen_ulga_dzieci.py – zmiany wprowadzaj w generatorze.")
    a("# Art. 27f ust. 1: za każdy miesiąc, w którym dziecko dawało prawo do ulgi, odlicza się")
    a("# 92,67 zł na pierwsze i drugie dziecko (pkt 1 i 2), 166,67 zł na trzecie (pkt 3 lit. a)")
    a("# i 225,00 zł na czwarte i każde kolejne (pkt 3 lit. b). Liczba dzieci jest liczona w każdym")
    a("# miesiącu osobno: o stawce decyduje, ile dzieci dawało prawo do ulgi w tym miesiącu.")
    a("# Art. 27f ust. 1 pkt 1: przy jednym dziecku ulga przysługuje tylko wtedy, gdy dochody nie")
    a("# przekroczyły 112 000 zł (małżonkowie przez cały rok – dochody obojga; osoba samotnie")
    a("# wychowująca dziecko) albo 56 000 zł (pozostali). Limit dotyczy tylko miesięcy, w których")
    a("# prawo do ulgi dawało jedno dziecko. Dochód porównywany z limitem: dochód opodatkowany według")
    a("# skali po odliczeniu składek na ubezpieczenia społeczne (RESZTA_P, RESZTA_M z c_podatek).")
    a("# Osoba samotnie wychowująca dziecko (art. 27f ust. 1 pkt 1 lit. b w zw. z art. 6 ust. 4a) ma")
    a("# limit 112 000 zł od swoich dochodów także wtedy, gdy rozlicza się indywidualnie (DZ_SAMOTNIE).")
    a("# Art. 27f ust. 2a: rodzice dzielą ulgę na dziecko; w zeznaniu wykazuje się przypadającą")
    a("# podatnikowi część (DZk_UDZIAL w procentach, 100 gdy nie wpisano).")
    a("# Rodzice niebędący małżonkami, z których każdy wykonuje władzę rodzicielską (DZ_DRUGI), odliczają")
    a("# ulgę w częściach równych, a w innej proporcji tylko wtedy, gdy ją uzgodnili (DZ_UZGOD); bez")
    a("# porozumienia część podatnika to 50% (DZk_CZESC), cokolwiek wpisano.")
    a("# Kolejność dzieci (od najstarszego) decyduje tylko o tym, której pozycji PIT/O przypisać")
    a("# wyższą stawkę; łączna ulga od kolejności wpisania nie zależy.")
    a("IF DZ_LICZBA = \"\"")
    a("SET DZ_LICZBA = 0")
    a("ENDIF")
    a("IF ZONATY = \"\"")
    a("SET ZONATY = 0")
    a("ENDIF")
    a("IF DZ_SAMOTNIE = \"\"")
    a("SET DZ_SAMOTNIE = 0")
    a("ENDIF")
    a("IF DOCH_MALZ_INNY = \"\"")
    a("SET DOCH_MALZ_INNY = 0")
    a("ENDIF")
    a("IF DZ_DRUGI = \"\"")
    a("SET DZ_DRUGI = 0")
    a("ENDIF")
    a("IF DZ_UZGOD = \"\"")
    a("SET DZ_UZGOD = 0")
    a("ENDIF")
    a("# ---- rodzice niebędący małżonkami bez porozumienia: ulga po połowie (art. 27f ust. 2a)")
    a("SET DZ_POLOWA = 0")
    a("IF (ZONATY <> 1) & (MALZ <> 1) & (DZ_DRUGI = 1) & (DZ_UZGOD <> 1)")
    a("SET DZ_POLOWA = 1")
    a("ENDIF")
    a("# ---- limit dochodu przy jednym dziecku")
    a("SET LIMIT_DZ = 56000")
    a("IF ZONATY = 1")
    a("SET LIMIT_DZ = 112000")
    a("ENDIF")
    a("IF MALZ = 1")
    a("SET LIMIT_DZ = 112000")
    a("ENDIF")
    a("IF PIT37_6_4 = 1")
    a("SET LIMIT_DZ = 112000")
    a("ENDIF")
    a("IF (DZ_SAMOTNIE = 1) & (MALZ <> 1)")
    a("SET LIMIT_DZ = 112000")
    a("ENDIF")
    a("SET DOCH_DZ = RESZTA_P + RESZTA_M")
    a("IF (ZONATY = 1) & (MALZ <> 1) & (DZ_SAMOTNIE <> 1)")
    a("SET DOCH_DZ = DOCH_DZ + DOCH_MALZ_INNY")
    a("ENDIF")
    a("SET PONAD_LIMIT_DZ = 0")
    a("IF DOCH_DZ > LIMIT_DZ")
    a("SET PONAD_LIMIT_DZ = 1")
    a("ENDIF")
    a("# ---- miesiące, w których każde dziecko dawało prawo do ulgi (DZk_Emm = 1)")
    for k in range(1, CHILDREN + 1):
        a(f"SET DZ{k}_AKT = 0")
        a(f"IF DZ_LICZBA > {k - 1}")
        a(f"SET DZ{k}_AKT = 1")
        a("ENDIF")
        a(f"IF (DZ{k}_UDZIAL = \"\") ^ (DZ{k}_UDZIAL = 0)")
        a(f"SET DZ{k}_UDZIAL = 100")
        a("ENDIF")
        a(f"SET DZ{k}_CZESC = DZ{k}_UDZIAL")
        a("IF DZ_POLOWA = 1")
        a(f"SET DZ{k}_CZESC = 50")
        a("ENDIF")
        a(f"SET DZ{k}_LM = 0")
        for m in range(1, 13):
            a(f"SET DZ{k}_E{m2(m)} = 0")
            a(f"IF (DZ{k}_AKT = 1) & ((DZ{k}_CALY = 1) ^ (DZ{k}_M{m2(m)} = 1))")
            a(f"SET DZ{k}_E{m2(m)} = 1")
            a(f"SET DZ{k}_LM = DZ{k}_LM + 1")
            a("ENDIF")
    a("# ---- liczba dzieci w każdym miesiącu; miesiące z jednym dzieckiem ponad limitem nie dają ulgi")
    for m in range(1, 13):
        a(f"SET DZN_{m2(m)} = " + " + ".join(f"DZ{k}_E{m2(m)}" for k in range(1, CHILDREN + 1)))
        a(f"SET DZOK_{m2(m)} = 1")
        a(f"IF (DZN_{m2(m)} = 1) & (PONAD_LIMIT_DZ = 1)")
        a(f"SET DZOK_{m2(m)} = 0")
        a("ENDIF")
        a(f"SET DZC_{m2(m)} = 0")
    a("# ---- kwota na każde dziecko: w danym miesiącu stawka według miejsca dziecka wśród dzieci")
    a("# uprawnionych w tym miesiącu (DZC_mm liczy je po kolei)")
    for k in range(1, CHILDREN + 1):
        a(f"SET DZ{k}_KWOTA = 0")
        for m in range(1, 13):
            mm = m2(m)
            a(f"SET DZC_{mm} = DZC_{mm} + DZ{k}_E{mm}")
            a("SET DZ_STAWKA = 92.67")
            a(f"IF DZC_{mm} > 2")
            a("SET DZ_STAWKA = 166.67")
            a("ENDIF")
            a(f"IF DZC_{mm} > 3")
            a("SET DZ_STAWKA = 225")
            a("ENDIF")
            a(f"SET DZ{k}_KWOTA = DZ{k}_KWOTA + ((DZ{k}_E{mm} * DZ_STAWKA) * DZOK_{mm})")
        a(f"SET ULGA_DZ{k} = ROUND (DZ{k}_KWOTA * DZ{k}_CZESC) / 100, 2")
    a("SET ULGA_DZIECI = " + " + ".join(f"ULGA_DZ{k}" for k in range(1, CHILDREN + 1)))
    a("SET LICZBA_DZIECI = 0")
    for k in range(1, CHILDREN + 1):
        a(f"IF DZ{k}_LM > 0")
        a("SET LICZBA_DZIECI = LICZBA_DZIECI + 1")
        a("ENDIF")
    birth_dates(a)
    a("# ---- załącznik PIT/O: dane dzieci, miesiące ulgi (kratka \"cały rok\" albo kratki miesięcy)")
    a("# i kwota przypadająca podatnikowi na każde dziecko")
    for k, block in enumerate(PITO_BLOCKS, start=1):
        b = str(block)
        a(f"SET PITO_{b}01 = TEXT DZ{k}_PESEL")
        a(f"SET PITO_{b}02 = UPPERCASE DZ{k}_IMIE")
        a(f"SET PITO_{b}03 = UPPERCASE DZ{k}_NAZWISKO")
        a(f"SET PITO_{b}04 = TEXT DZ{k}_DATA")
        a(f"SET PITO_{b}05_01 = 0")
        for m in range(1, 13):
            a(f"SET PITO_{b}05_{m2(m + 1)} = DZ{k}_E{m2(m)} + 0")
        a(f"IF DZ{k}_LM = 12")
        a(f"SET PITO_{b}05_01 = 1")
        for m in range(1, 13):
            a(f"SET PITO_{b}05_{m2(m + 1)} = 0")
        a("ENDIF")
        a(f"SET PITO_{b}07 = ULGA_DZ{k} + 0")
        a(f"SET PITO_{b}08 = 0")
    return L


def birth_dates(a):
    a("# ---- data urodzenia dziecka (PIT/O poz. x04) odczytana z numeru PESEL: cyfry 1-6 to RRMMDD,")
    a("# a do miesiąca dodaje się 80 dla lat 1800-1899, 20 dla 2000-2099, 40 dla 2100-2199 i 60 dla")
    a("# 2200-2299 (art. 15 ust. 2 ustawy z 24 września 2010 r. o ewidencji ludności: sześć pierwszych cyfr")
    a("# numeru PESEL to data urodzenia). Liczone tylko z 11 cyfr, inaczej data zostaje pusta;")
    a("# cyfry są sprawdzane przed rachunkiem, bo tekst, który nie jest liczbą, przerwałby skrypt.")
    for k in range(1, CHILDREN + 1):
        a(f"SET DZ{k}_DATA")
        a(f"SET PES_C = TEXT DZ{k}_PESEL")
        for digit in range(10):
            a(f"SET PES_C = REPLACE PES_C,{digit},")
        a(f"SET PES_11 = TRCSTR DZ{k}_PESEL, 11")
        a(f"SET PES_10 = TRCSTR DZ{k}_PESEL, 10")
        a("SET PES_OK = 0")
        a("SET PES_T = \"00000000000\"")
        a(f"IF (PES_C = \"\") & (PES_11 = DZ{k}_PESEL) & (PES_10 <> DZ{k}_PESEL)")
        a("SET PES_OK = 1")
        a(f"SET PES_T = TEXT DZ{k}_PESEL")
        a("ENDIF")
        a("SET PES_R = TRCSTR PES_T, 2")
        a("SET PES_RM = TRCSTR PES_T, 4")
        a("SET PES_RMD = TRCSTR PES_T, 6")
        a("SET PES_M = PES_RM - (PES_R * 100)")
        a("SET PES_D = PES_RMD - (PES_RM * 100)")
        a("SET PES_WIEK = 1900")
        for offset, century in ((80, 1800), (60, 2200), (40, 2100), (20, 2000)):
            a(f"IF PES_M > {offset}")
            a(f"SET PES_WIEK = {century}")
            a(f"SET PES_M = PES_M - {offset}")
            a("ENDIF")
        a("SET PES_ROK = PES_WIEK + PES_R")
        a("SET PES_MM = PES_M")
        a("IF PES_M < 10")
        a("SUMS PES_MM \"0\" + PES_M")
        a("ENDIF")
        a("SET PES_DD = PES_D")
        a("IF PES_D < 10")
        a("SUMS PES_DD \"0\" + PES_D")
        a("ENDIF")
        a("IF (PES_OK = 1) & (PES_M > 0) & (PES_M < 13) & (PES_D > 0) & (PES_D < 32)")
        a(f"SUMS DZ{k}_DATA PES_DD + \"\\-\" + PES_MM + \"\\-\" + PES_ROK")
        a("ENDIF")


def page():
    L = []
    a = L.append
    a("HEAD|Dzieci, na które odliczasz ulgę")
    a("TEXT|Wpisz dane każdego dziecka i zaznacz miesiące 2016 r., w których dawało Ci prawo do ulgi: "
      "był to miesiąc, w którym dziecko było małoletnie (albo uczyło się i miało nie więcej niż 25 lat, "
      "albo otrzymywało zasiłek pielęgnacyjny lub rentę socjalną), a Ty wykonywałeś władzę rodzicielską, "
      "byłeś opiekunem prawnym dziecka mieszkającego z Tobą albo rodziną zastępczą. Jeżeli nie zaznaczysz "
      "żadnego miesiąca, program przyjmie, że dziecko dawało prawo do ulgi przez cały rok.|9")
    a("SPACE|6")
    for k in range(1, CHILDREN + 1):
        a(f"IF|DZ_LICZBA > {k - 1}")
        a(f"GROUP_BEGIN|{{B}}{ORDINAL[k - 1]} dziecko")
        a(f"EDIT|DZ{k}_IMIE|150|Imię:|||150|30")
        a(f"EDIT|DZ{k}_NAZWISKO|200|Nazwisko:|||150|60")
        a(f"EDIT|DZ{k}_PESEL|110|PESEL:|||150|11||PESEL")
        a(f"FLOATOLD|DZ{k}_UDZIAL|80|Twoja część ulgi w %:|||150")
        deps = ";".join(f"not DZ{k}_M{m2(m)}" for m in range(1, 13))
        a(f"CHOICE|CHECK|DZ{k}_CALY||przez cały rok|(wszystkie 12 miesięcy)||{deps}")
        a("TEXT|albo tylko w miesiącach:|8")
        a("SPACE|2")
        for m in range(1, 13):
            col = (m - 1) % 6
            if col == 0 and m > 1:
                a("SETCX")
                a("SPACE|2")
            a(f"CHOICE|CHECK|DZ{k}_M{m2(m)}||{SHORT[m - 1]}||DZ{k}_CALY <> 1")
            if col < 5:
                a("SETCY|CY - 18")
                a("SETCX|CX + 70")
        a("SETCX")
        a("SPACE|4")
        a("GROUP_END")
        a("ENDIF")
    a("HINT|R|Ile wynosi ulga?|Za każdy miesiąc: 92,67 zł na pierwsze i drugie dziecko, 166,67 zł na trzecie, "
      "225,00 zł na czwarte i każde kolejne. Liczy się, ile dzieci dawało prawo do ulgi w danym miesiącu.\\n"
      "Przy jednym dziecku ulga przysługuje tylko wtedy, gdy dochody nie przekroczyły 112 000 zł (małżonkowie "
      "razem albo osoba samotnie wychowująca dziecko) lub 56 000 zł (pozostali); limit dotyczy tylko miesięcy, "
      "w których prawo do ulgi dawało jedno dziecko.\\nTwoja część ulgi: małżonkowie mogą podzielić ulgę na "
      "dziecko w dowolnej proporcji; rodzice, którzy nie są małżeństwem, dzielą ją po połowie, chyba że "
      "uzgodnili inny podział; jeżeli całą ulgę odliczasz Ty, zostaw 100.")
    a("TEST_BEGIN")
    for k in range(1, CHILDREN + 1):
        # A child whose name is typed and no month ticked counts for the whole year: the test block's
        # SET reaches the page's fields, so the box shows ticked when the page is not left.
        none = " & ".join(f"(DZ{k}_M{m2(m)} <> 1)" for m in range(1, 13))
        a(f"IF|(DZ_LICZBA > {k - 1}) & (DZ{k}_IMIE <> \"\") & (DZ{k}_CALY <> 1) & {none}")
        a(f"SET|DZ{k}_CALY|1")
        a("ENDIF")
        a(f"IF|DZ_LICZBA > {k - 1}")
        a(f"TEST|(DZ{k}_IMIE <> 0) & (DZ{k}_NAZWISKO <> 0) & (DZ{k}_PESEL <> 0)|Wpisz imię, nazwisko i numer "
          f"PESEL dziecka nr {k} – są potrzebne w załączniku PIT/O.")
        a(f"TEST|(DZ{k}_UDZIAL > 0) & (DZ{k}_UDZIAL < 100.01)|Twoja część ulgi na dziecko nr {k} to liczba od 1 "
          f"do 100 (100 – całą ulgę odliczasz Ty).")
        a(f"TEST|(ZONATY = 1) ^ (MALZ = 1) ^ (DZ_DRUGI <> 1) ^ (DZ_UZGOD = 1) ^ (DZ{k}_UDZIAL = 50)|Rodzice, "
          f"którzy nie są małżeństwem i nie uzgodnili innego podziału, odliczają ulgę po połowie – wpisz 50 "
          f"jako swoją część ulgi na dziecko nr {k} (albo wróć i zaznacz, że uzgodniliście inny podział).")
        a("ENDIF")
    a("TEST_END")
    return L


def write(name, lines):
    (ROOT / name).write_text("\n".join(lines) + "\n", encoding="utf-8")


if __name__ == "__main__":
    write("c_dzieci.pit", calc())
    write("p_dzieci_lista.pit", page())
