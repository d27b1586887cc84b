// SPDX-License-Identifier: GPL-3.0-or-later
// A page used by keyboard alone and read by a screen reader: the tab order follows the reading
// order, the first input has the focus, Enter moves on and from the last field on to the next
// step, F4 opens an amount's calculator and a date's calendar, links open with Enter, and every
// input carries its label's name and its description.
#include "PageSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTest>

namespace taxilo::test {
namespace {

std::string Hint(const QWidget* widget)
{
    return widget->property("hint").toByteArray().toStdString();
}

class Keyboard : public PageTest {
protected:
    void Show()
    {
        frame->show();
        QApplication::setActiveWindow(frame.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }
    static QWidget* Focused() { return QApplication::focusWidget(); }
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    static QString AccessibleName(QWidget* widget)
    {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        return face ? face->text(QAccessible::Name) : QString();
    }
};

const char* const kPage = "HEAD|Dane podatnika\n"
                          "EDIT|IMIE|120|Imię:|Tak jak w dowodzie osobistym\n"
                          "EDIT|NAZWISKO|120|Nazwisko:\n"
                          "FLOAT|PRZYCHOD|140|Przychód:\n"
                          "EDITDATE|URODZ|100|Data urodzenia:\n"
                          "GROUP_BEGIN|{B}Sposób rozliczenia\n"
                          "CHOICE|RADIO|SP1|DEFAULT|indywidualnie\n"
                          "CHOICE|RADIO|SP2||wspólnie z małżonkiem|po ślubie przed 1 stycznia 2016 r.\n"
                          "GROUP_END\n"
                          "YESNO|DZIECI|Czy wychowujesz dzieci?||10\n"
                          "HINT|L|Co to znaczy?|Dziecko małoletnie.\n"
                          "EDIT|UWAGI|200|Uwagi:";

TEST_F(Keyboard, APageIsFilledAndLeftWithKeysOnly)
{
    Build(kPage);
    Show();
    ASSERT_TRUE(frame->FocusFirstInput());
    EXPECT_EQ(Focused(), Find<MaskEdit>("IMIE"));
    QTest::keyClicks(Focused(), QStringLiteral("Jan"));
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), Find<MaskEdit>("NAZWISKO"));
    QTest::keyClicks(Focused(), QStringLiteral("Kowalski"));
    Press(Qt::Key_Return); // Enter moves on like Tab
    EXPECT_EQ(Focused(), Find<AmountEdit>("PRZYCHOD"));
    QTest::keyClicks(Focused(), QStringLiteral("48000"));

    // F4 opens the amount's calculator (the "+" button itself is no tab stop).
    dialogs.WorksheetAnswers.push_back(std::nullopt);
    Press(Qt::Key_F4);
    ASSERT_FALSE(dialogs.Log.empty());
    EXPECT_EQ(dialogs.Log.back().Kind, QStringLiteral("worksheet"));
    EXPECT_EQ(dialogs.Log.back().Caption, QStringLiteral("PRZYCHOD"));

    Press(Qt::Key_Tab);
    auto* date = Find<DateEdit>("URODZ");
    EXPECT_EQ(Focused(), date);
    Press(Qt::Key_F4); // the calendar opens, takes the keys, and Enter writes the day
    auto* calendar = date->findChild<QCalendarWidget*>();
    ASSERT_NE(calendar, nullptr);
    calendar->setSelectedDate(QDate(1980, 5, 17));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : calendar, Qt::Key_Return);
    EXPECT_EQ(date->text(), QStringLiteral("17-05-1980"));

    // Into the group, then the yes/no question, the link, the last field.
    date->setFocus(Qt::TabFocusReason);
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), Find<QRadioButton>("SP1"));
    Press(Qt::Key_Down); // arrows move within the group and choose
    EXPECT_TRUE(Find<QRadioButton>("SP2")->isChecked());
    Press(Qt::Key_Tab); // the yes/no question is one stop: Space answers, arrows switch
    EXPECT_EQ(Focused(), Find<QRadioButton>("DZIECI"));
    EXPECT_TRUE(Find<QRadioButton>("DZIECIno")->isChecked());
    Press(Qt::Key_Space);
    EXPECT_TRUE(Find<QRadioButton>("DZIECI")->isChecked());
    Press(Qt::Key_Tab);
    auto* link = All<TextBlock>()[All<TextBlock>().size() - 2]; // the HINT link before "Uwagi:"
    ASSERT_TRUE(link->Clickable);
    EXPECT_EQ(Focused(), link);
    Press(Qt::Key_Return);
    EXPECT_EQ(dialogs.Log.back().Kind, QStringLiteral("hint"));
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), Find<MaskEdit>("UWAGI"));
    EXPECT_TRUE(recorder.Codes().empty());
    Press(Qt::Key_Return); // Enter in the last field: on to the next step, as "Dalej"
    EXPECT_EQ(recorder.Codes(), std::vector<int>{kActionNextButton});

    frame->StoreValues();
    EXPECT_EQ(Var("IMIE"), "Jan");
    EXPECT_EQ(Var("NAZWISKO"), "Kowalski");
    EXPECT_EQ(Var("PRZYCHOD"), "48000");
    EXPECT_EQ(Var("URODZ"), "17-05-1980");
    EXPECT_EQ(Var("SP2"), "1");
    EXPECT_EQ(Var("DZIECI"), "1");
}

TEST_F(Keyboard, TheTabChainFollowsTheReadingOrder)
{
    // Script order is not reading order here: a field placed to the right of a later one.
    Build("EDIT|A|100|Pierwsze:|||||\nSETCY|CY - 21\nEDIT|B|100|Obok:|||300\nEDIT|C|100|Niżej:\n" + std::string(kPage));
    const std::vector<QWidget*> order = frame->ReadingOrder();
    ASSERT_GE(order.size(), 10u);
    for (size_t i = 1; i < order.size(); ++i) {
        const QRect previous(order[i - 1]->mapTo(frame->Content(), QPoint()), order[i - 1]->size());
        const QRect next(order[i]->mapTo(frame->Content(), QPoint()), order[i]->size());
        const bool sameRow = next.center().y() <= previous.bottom() && previous.center().y() <= next.bottom();
        EXPECT_TRUE(sameRow ? previous.left() < next.left() : previous.top() <= next.top())
            << i << ": " << Hint(order[i - 1]) << " before " << Hint(order[i]);
        // Tab from one goes to the next.
        QWidget* after = order[i - 1]->nextInFocusChain();
        while (after && std::find(order.begin(), order.end(), after) == order.end())
            after = after->nextInFocusChain();
        EXPECT_EQ(after, order[i]) << Hint(order[i - 1]);
    }
    EXPECT_EQ(Hint(order[0]), "A");
    EXPECT_EQ(Hint(order[1]), "B");
    EXPECT_EQ(Hint(order[2]), "C");
}

TEST_F(Keyboard, EveryInputCarriesItsLabelAsNameAndItsDescription)
{
    Build(kPage);
    EXPECT_EQ(AccessibleName(Find<MaskEdit>("IMIE")), QStringLiteral("Imię"));
    EXPECT_EQ(Find<MaskEdit>("IMIE")->accessibleDescription(), QStringLiteral("Tak jak w dowodzie osobistym"));
    EXPECT_EQ(AccessibleName(Find<AmountEdit>("PRZYCHOD")), QStringLiteral("Przychód"));
    EXPECT_EQ(AccessibleName(Find<DateEdit>("URODZ")), QStringLiteral("Data urodzenia"));
    EXPECT_EQ(AccessibleName(Find<QRadioButton>("SP2")), QStringLiteral("wspólnie z małżonkiem"));
    EXPECT_EQ(Find<QRadioButton>("SP2")->accessibleDescription(), QStringLiteral("po ślubie przed 1 stycznia 2016 r."));
    EXPECT_EQ(AccessibleName(Find<QRadioButton>("DZIECI")), QStringLiteral("tak"));
    EXPECT_EQ(Find<QRadioButton>("DZIECI")->accessibleDescription(), QStringLiteral("Czy wychowujesz dzieci?"));
    EXPECT_EQ(Find<QRadioButton>("DZIECI")->parentWidget()->accessibleName(), QStringLiteral("Czy wychowujesz dzieci?"));
    // The texts the page draws itself are readable too.
    bool headRead = false;
    for (TextBlock* block : All<TextBlock>())
        headRead = headRead || AccessibleName(block) == QStringLiteral("Dane podatnika");
    EXPECT_TRUE(headRead);
    for (QWidget* widget : frame->ReadingOrder())
        EXPECT_FALSE(AccessibleName(widget).isEmpty()) << Hint(widget);
}

} // namespace
} // namespace taxilo::test
