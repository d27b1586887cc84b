// SPDX-License-Identifier: GPL-3.0-or-later
// The checks of single fields as a user meets them: leaving a field by the keyboard or the
// mouse in a shown window, and leaving the page forward with a field that fails its check.
#include "PageSupport.h"

#include <QApplication>
#include <QTest>

namespace taxilo::test {
namespace {

class FieldChecks : public PageTest {
protected:
    // The page in an active window, so that focus really moves between its fields.
    void Show()
    {
        frame->show();
        QApplication::setActiveWindow(frame.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }
    void Settle()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }
    void TypeInto(QLineEdit* edit, const QString& text)
    {
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
};

TEST_F(FieldChecks, IdentifiersAndDatesAreCheckedWhenLeftByTabOrClick)
{
    Build("EDIT|P|150|PESEL:||||||PESEL\nEDIT|N|150|NIP:||||||NIP\nEDIT|D|150|Data:||||||DATE\n"
          "EDIT|X|150|Inne:");
    Show();
    auto* pesel = Find<MaskEdit>("P");
    auto* nip = Find<MaskEdit>("N");
    auto* date = Find<MaskEdit>("D");
    auto* other = Find<MaskEdit>("X");
    TypeInto(pesel, QStringLiteral("12345678901"));
    QTest::keyClick(pesel, Qt::Key_Tab);
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), nip);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(Messages()[0].startsWith(QStringLiteral("Wprowadzony numer PESEL"))) << Messages()[0].toStdString();

    TypeInto(nip, QStringLiteral("1234567890"));
    QTest::mouseClick(other, Qt::LeftButton);
    Settle();
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_TRUE(Messages()[1].startsWith(QStringLiteral("Wprowadzony numer NIP")));

    TypeInto(date, QStringLiteral("31-02-2016"));
    QTest::keyClick(date, Qt::Key_Tab);
    Settle();
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_TRUE(Messages()[2].startsWith(QStringLiteral("Wprowadzona data")));

    // Valid texts pass silently: 44051401359 and 1234563218 are correct numbers.
    TypeInto(pesel, QStringLiteral("44051401359"));
    QTest::keyClick(pesel, Qt::Key_Tab);
    TypeInto(nip, QStringLiteral("1234563218"));
    QTest::keyClick(nip, Qt::Key_Tab);
    Settle();
    EXPECT_EQ(Messages().size(), 3u);
}

TEST_F(FieldChecks, APageIsNotLeftForwardWithAFailingIdentifierOrDate)
{
    Build("EDIT|P|150|PESEL:||||||PESEL\nEDIT|N|150|NIP:||1 = 2||||NIP\nEDITDATE|D|100|Data urodzenia:\n"
          "EDIT|E|150|Pusty PESEL:||||||PESEL");
    auto* pesel = Find<MaskEdit>("P");
    pesel->SetStoredText("12345678901");
    Find<MaskEdit>("N")->SetStoredText("1234567890"); // disabled: not checked
    EXPECT_FALSE(frame->CheckFieldsForward());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(Messages()[0].contains(QStringLiteral("PESEL w polu „PESEL”"))) << Messages()[0].toStdString();

    pesel->SetStoredText("44051401359"); // born 14-05-1944
    Find<MaskEdit>("D")->SetStoredText("31-02-1944");
    EXPECT_FALSE(frame->CheckFieldsForward());
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_TRUE(Messages()[1].contains(QStringLiteral("„Data urodzenia”")));

    // A birth date that contradicts the PESEL asks; Yes stays to correct it, No goes on.
    Find<MaskEdit>("D")->SetStoredText("15-05-1944");
    dialogs.MessageAnswers = {6, 7};
    EXPECT_FALSE(frame->CheckFieldsForward());
    EXPECT_TRUE(frame->CheckFieldsForward());
    ASSERT_EQ(dialogs.Log.size(), 4u);
    EXPECT_TRUE(dialogs.Log[2].Text.contains(QStringLiteral("(15-05-1944)")));
    EXPECT_TRUE(dialogs.Log[2].Text.contains(QStringLiteral("(14-05-1944)")));

    Find<MaskEdit>("D")->SetStoredText("14-05-1944");
    EXPECT_TRUE(frame->CheckFieldsForward());
    EXPECT_EQ(dialogs.Log.size(), 4u);
}

TEST_F(FieldChecks, AmbiguousOrForbiddenAmountsAreNamedAndNeverStoredReinterpreted)
{
    engine.SetVar("K1", Value::MakeInteger(5));
    Build("FLOAT|K1||Przychód:\nFLOAT|K2||Zaliczka:\nFLOAT|K3||Strata:||||FORCE_NEGATIVE\nEDIT|X|150|Inne:");
    Show();
    auto* income = Find<AmountEdit>("K1");
    auto* advance = Find<AmountEdit>("K2");
    auto* loss = Find<AmountEdit>("K3");
    TypeInto(income, QStringLiteral("62.000"));
    QTest::keyClick(income, Qt::Key_Tab);
    Settle();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(Messages()[0].startsWith(QStringLiteral("Kwota „62,000” w polu „Przychód” jest niejednoznaczna")))
        << Messages()[0].toStdString();
    EXPECT_EQ(income->text(), QStringLiteral("62,000")); // left as typed, to be corrected

    TypeInto(advance, QStringLiteral("-12,5"));
    QTest::mouseClick(Find<MaskEdit>("X"), Qt::LeftButton);
    Settle();
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_TRUE(
        Messages()[1].startsWith(QStringLiteral("Kwota w polu „Zaliczka” nie może być ujemna (wpisano „-12,5”)")));

    TypeInto(loss, QStringLiteral("-12,5"));
    QTest::keyClick(loss, Qt::Key_Tab);
    Settle();
    EXPECT_EQ(Messages().size(), 2u);

    frame->StoreValues();
    EXPECT_EQ(Var("K1"), "5"); // neither 62 nor 62 000
    EXPECT_EQ(Var("K2"), "0");
    EXPECT_EQ(engine.GetVarOrZero("K3").ToDouble(), -12.5);

    EXPECT_FALSE(frame->CheckFieldsForward());
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_TRUE(Messages()[2].contains(QStringLiteral("„Przychód”")));
    for (const char* text : {"1.234,50", "1,2345"}) {
        TypeInto(income, QString::fromUtf8(text));
        EXPECT_NE(income->Problem(), AmountTextProblem::None) << text;
    }
    TypeInto(income, QStringLiteral("62 000,5"));
    TypeInto(advance, QStringLiteral("1234.5"));
    EXPECT_TRUE(frame->CheckFieldsForward());
    frame->StoreValues();
    EXPECT_EQ(engine.GetVarOrZero("K1").ToDouble(), 62000.5);
    EXPECT_EQ(engine.GetVarOrZero("K2").ToDouble(), 1234.5);
}

TEST(FieldCheckRules, BirthDatesOfPeselsAndAmountTexts)
{
    // The month carries the century: 07 the 1900s, 27 the 2000s, 83 the 1800s.
    EXPECT_EQ(PeselBirthDate("44051401359"), (CalendarDate{14, 5, 1944}));
    EXPECT_EQ(PeselBirthDate("02270803624"), (CalendarDate{8, 7, 2002}));
    EXPECT_EQ(PeselBirthDate("85830112341"), (CalendarDate{1, 3, 1885}));
    EXPECT_EQ(PeselBirthDate("44051401358"), std::nullopt); // wrong check digit
    EXPECT_EQ(ParseDate("5-3-1980"), (CalendarDate{5, 3, 1980}));

    using P = AmountTextProblem;
    const std::vector<std::pair<const char*, P>> cases{{"", P::None},
                                                       {"62", P::None},
                                                       {"62,5", P::None},
                                                       {"62.50", P::None},
                                                       {"1 234 567,89", P::None},
                                                       {"-", P::None},
                                                       {"62.000", P::Ambiguous},
                                                       {"62,000", P::Ambiguous},
                                                       {"0,125", P::Ambiguous},
                                                       {"1.234,5", P::Ambiguous},
                                                       {"1,2,3", P::Ambiguous},
                                                       {"1,2345", P::NotAnAmount},
                                                       {"12-3", P::NotAnAmount},
                                                       {",", P::NotAnAmount},
                                                       {"-12,5", P::Negative},
                                                       {"-0", P::None}};
    for (const auto& [text, problem] : cases)
        EXPECT_EQ(CheckAmountText(text, false), problem) << text;
    EXPECT_EQ(CheckAmountText("-12,5", true), P::None);
    EXPECT_EQ(CheckAmountText("-62.000", true), P::Ambiguous);
}

} // namespace
} // namespace taxilo::test
