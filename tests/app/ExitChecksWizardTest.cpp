// SPDX-License-Identifier: GPL-3.0-or-later
// The PESEL, NIP and date checks of the bundled pages as a user triggers them: keys and clicks in
// the shown, active main window, and Next with a number that fails its check.
#include "BundledWizard.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace taxilo;
using namespace taxilo::test;

namespace {

void ShowActive(BundledWizard& w)
{
    w.F().show();
    QApplication::setActiveWindow(&w.F());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.F()));
    Pump();
}

// Types over the field's text with the keyboard, as a user who clicked into it does.
void TypeInto(BundledWizard& w, const char* name, const char* text)
{
    MaskEdit* edit = w.Field<MaskEdit>(name);
    ASSERT_NE(edit, nullptr) << name << " on " << w.StepCaption();
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromUtf8(text));
}

void GoTo(BundledWizard& w, const std::string& caption)
{
    const auto steps = w.Steps();
    for (size_t i = 0; i < steps.size(); ++i)
        if (Utf8(steps[i]) == caption) {
            w.F().sListBox1->setCurrentRow(static_cast<int>(i));
            Pump();
        }
    ASSERT_EQ(w.StepCaption(), caption);
}

// On the current page: a wrong PESEL typed into field is reported when left with Tab and when
// left by a click into other, and Next stays on the page naming the field; then the valid
// number goes back into the field.
void WrongPeselIsReported(BundledWizard& w, const char* field, const char* other, const char* valid)
{
    const std::string page = w.StepCaption();
    size_t logged = w.Dialogs.Log.size();
    TypeInto(w, field, "12345678901");
    QTest::keyClick(w.Field<MaskEdit>(field), Qt::Key_Tab);
    Pump();
    EXPECT_TRUE(Contains(w.WarningsSince(logged), "Wprowadzony numer PESEL wydaje się być niepoprawny"))
        << page << ": " << w.WarningsSince(logged);

    logged = w.Dialogs.Log.size();
    TypeInto(w, field, "1234567890"); // ten digits
    QTest::mouseClick(w.Field<MaskEdit>(other), Qt::LeftButton);
    Pump();
    EXPECT_TRUE(Contains(w.WarningsSince(logged), "Wprowadzony numer PESEL wydaje się być niepoprawny"))
        << page << ": " << w.WarningsSince(logged);

    logged = w.Dialogs.Log.size();
    QTest::mouseClick(w.F().sBitBtn1, Qt::LeftButton);
    Pump();
    EXPECT_EQ(w.WarningsSince(logged),
              "Uwaga: Numer PESEL w polu „PESEL” jest niepoprawny (nie zgadza się cyfra "
              "kontrolna albo liczba cyfr). Popraw go przed przejściem dalej.\n")
        << page;
    EXPECT_EQ(w.StepCaption(), page);
    TypeInto(w, field, valid);
}

} // namespace

TEST(ExitChecksWizard, TaxpayersPeselIsCheckedOnTabClickAndNextAndComparedWithTheBirthDate)
{
    BundledWizard w;
    ASSERT_NO_FATAL_FAILURE(ShowActive(w));
    w.F().sBitBtn1->click();
    Pump();
    ASSERT_EQ(w.StepCaption(), "Dane osobowe|Dane identyfikacyjne podatnika|");
    TypeInto(w, "PIT36_11", "Kowalski");
    TypeInto(w, "PIT36_12", "Jan");
    TypeInto(w, "PIT36_13", "05031980");
    ASSERT_NO_FATAL_FAILURE(WrongPeselIsReported(w, "PIT36_1P", "PIT36_11", "44051401359"));

    // A correct number of someone born on another day: the question; Yes stays to correct it.
    size_t logged = w.Dialogs.Log.size();
    w.Dialogs.MessageAnswers = {kAnswerYes};
    QTest::mouseClick(w.F().sBitBtn1, Qt::LeftButton);
    Pump();
    EXPECT_TRUE(Contains(w.WarningsSince(logged),
                         "(05-03-1980) nie zgadza się z datą urodzenia zapisaną w numerze "
                         "PESEL (14-05-1944)"))
        << w.WarningsSince(logged);
    EXPECT_EQ(w.StepCaption(), "Dane osobowe|Dane identyfikacyjne podatnika|");

    TypeInto(w, "PIT36_1P", "80030512340");
    logged = w.Dialogs.Log.size();
    QTest::mouseClick(w.F().sBitBtn1, Qt::LeftButton);
    Pump();
    EXPECT_EQ(w.WarningsSince(logged), "");
    EXPECT_EQ(w.StepCaption(), "Dane osobowe|Adres zamieszkania podatnika|");
    EXPECT_EQ(w.Var("PIT36_1P"), "80030512340");
}

TEST(ExitChecksWizard, SpousesAndChildrensPeselsAreCheckedToo)
{
    BundledWizard w;
    ASSERT_NO_FATAL_FAILURE(w.Open(With(Joint(),
                                        {{"DZ_LICZBA", "1"},
                                         {"DZ1_IMIE", "Ola"},
                                         {"DZ1_NAZWISKO", "Kowalska"},
                                         {"DZ1_PESEL", "02270803624"},
                                         {"DZ1_CALY", "1"}}),
                                   kFormsJoint + 1)); // the children's page
    ASSERT_NO_FATAL_FAILURE(ShowActive(w));
    ASSERT_NO_FATAL_FAILURE(GoTo(w, "Dane osobowe|Dane identyfikacyjne małżonka|"));
    ASSERT_NO_FATAL_FAILURE(WrongPeselIsReported(w, "PIT36_2P", "PIT36_24", "85010112345"));
    ASSERT_NO_FATAL_FAILURE(GoTo(w, "Odliczenia|Dzieci i miesiące ulgi|"));
    ASSERT_NO_FATAL_FAILURE(WrongPeselIsReported(w, "DZ1_PESEL", "DZ1_NAZWISKO", "02270803624"));
}
