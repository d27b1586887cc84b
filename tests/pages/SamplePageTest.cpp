// SPDX-License-Identifier: GPL-3.0-or-later
// A page with every kind of element, as a step of the wizard would have it. With TAXILO_SHOT_DIR
// set, the built page is also saved as a picture for a look at the finished product.
#include "PageSupport.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTextBrowser>

namespace taxilo::test {

// Shared with the benchmark's idea of a real page: texts, groups, fields of every kind.
const char* const kSamplePage =
    "BG|$F7F3EE\n"
    "HEAD|Krok $krok. Dane podatnika i ulgi\n"
    "CONSTSPACE|4\n"
    "TEXT|Wypełnij poniższe pola zgodnie z danymi z ubiegłorocznego zeznania. Pola oznaczone gwiazdką są "
    "wymagane.|8||L\n"
    "HINT|R|Skąd wziąć te dane?|Dane znajdziesz w {B}informacji PIT-11{B} otrzymanej od pracodawcy.\n"
    "BEVEL|2|0\n"
    "SPACE|4\n"
    "GROUP_BEGIN|{B}Dane identyfikacyjne|22|DANE\n"
    "EDIT|NIP|120|NIP lub PESEL*:|||130|13||NIP\n"
    "EDIT|NAZWISKO|200|Nazwisko*:|||130\n"
    "EDIT|IMIE|200|Imię*:|||130\n"
    "EDITDATE|URODZ||Data urodzenia:|||130\n"
    "COMBO|WOJ|160|Województwo:|||130||woj.txt|1\n"
    "EDITCHOICE|US|260|Urząd skarbowy:|||130||Wybierz urząd skarbowy|us||Wyczyść\n"
    "GROUP_END\n"
    "SPACE|8\n"
    "TEXTC|{B}{10}{C$00006000}Sposób opodatkowania\n"
    "CHOICE|RADIO|SAM|DEFAULT|Indywidualnie|Zeznanie składa podatnik sam za siebie.\n"
    "CHOICE|RADIO|MALZ||Wspólnie z małżonkiem|Zeznanie składane wspólnie z małżonkiem (art. 6 ust. 2 ustawy).\n"
    "CHOICE|CHECK|DZIECI||Ulga na dzieci|Korzystam z ulgi prorodzinnej.||ULGI\n"
    "YESNO|ZWROT|Czy chcesz otrzymać zwrot nadpłaty na rachunek bankowy?||\n"
    "SPACE|6\n"
    "GROUP_BEGIN|{B}Przychody i koszty|22|ULGI\n"
    "FLOAT|PRZYCHOD|150|Przychód (zł):|||260\n"
    "FLOAT|KOSZTY|150|Koszty uzyskania (zł):|||260\n"
    "FLOATOLD|ZALICZKI|150|Zaliczki pobrane (zł):|||260\n"
    "TEXTVAR|Dochód wyliczony z poprzedniego kroku: {DOCHOD} zł\n"
    "GROUP_END\n"
    "SPACE|8\n"
    "INFO_BEGIN|8|$E8F4FF\n"
    "TEXT|Wskazówka: kwotę zaliczek znajdziesz w poz. 33 informacji PIT-11.|9|B||$00804000\n"
    "URL|Serwis podatkowy Ministerstwa Finansów|8|U||$00C06000|www.finanse.mf.gov.pl\n"
    "INFO_END|8\n"
    "SPACE|6\n"
    "HTML|opis.htm|$F7F3EE|4\n"
    "PRINTALL|{B}Drukuj zeznanie|180|36|0\n"
    "TEST_BEGIN\n"
    "TEST|NAZWISKO<>\"\"|Podaj nazwisko.\n"
    "TEST_END\n";

namespace {

using SamplePage = PageTest;

TEST_F(SamplePage, EveryElementKindIsBuilt)
{
    WriteDataFile("woj.txt", "PL|mazowieckie\nPL|małopolskie\nPL|śląskie\nPL|pomorskie\n");
    WriteDataFile("opis.htm",
                  "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\">"
                  "</head><body style=\"font-family:Arial; font-size:8pt\"><p>Ulga przysługuje za każdy "
                  "miesiąc wychowywania dziecka. Szczegóły w <a href=\"https://www.podatki.gov.pl\">serwisie "
                  "podatki.gov.pl</a>.</p></body></html>");
    SetText("NAZWISKO", "Kowalska");
    SetText("IMIE", "Anna");
    SetText("NIP", "5260250274");
    SetText("WOJ", "mazowieckie");
    SetText("US", "Urząd Skarbowy Warszawa-Mokotów");
    SetText("URODZ", "14-05-1980");
    engine.SetVar("PRZYCHOD", Value::MakeFloat(64250.37));
    engine.SetVar("KOSZTY", Value::MakeFloat(1335));
    engine.SetVar("DOCHOD", Value::MakeFloat(62915.37));
    engine.SetVar("DZIECI", Value::MakeInteger(1));
    frame->resize(720, 940);
    const bool taller = Build(kSamplePage);
    EXPECT_FALSE(taller);
    EXPECT_EQ(All<QGroupBox>().size(), 3u); // two groups and the yes/no box
    EXPECT_EQ(All<AmountEdit>().size(), 3u);
    EXPECT_EQ(All<DateEdit>().size(), 1u);
    EXPECT_EQ(All<PageCombo>().size(), 1u);
    EXPECT_EQ(All<QTextBrowser>().size(), 1u);
    EXPECT_EQ(All<QRadioButton>().size(), 4u);
    EXPECT_EQ(All<QCheckBox>().size(), 1u);
    EXPECT_EQ(Find<PageCombo>("WOJ")->currentText(), QStringLiteral("mazowieckie"));
    EXPECT_TRUE(Messages().empty());
    const QByteArray shots = qgetenv("TAXILO_SHOT_DIR");
    if (!shots.isEmpty()) {
        frame->show();
        frame->grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/sample_page.png"));
        frame->LockPage();
        frame->grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/sample_page_locked.png"));
    }
}

} // namespace
} // namespace taxilo::test
