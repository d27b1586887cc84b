// SPDX-License-Identifier: GPL-3.0-or-later
// A whole PIT-37 return filled with the keyboard alone, from the first step to the result page:
// no click, no value set behind the window's back. On every page the focus starts in the first
// field; a field's answer is typed, a choice is made with Space or the arrows, and Enter moves on
// (from the last field to the next step).
#include "BundledWizard.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <map>

using namespace taxilo;
using namespace taxilo::test;

namespace {

std::string HintOf(const QWidget* widget)
{
    return widget ? Utf8(widget->property("hint").toByteArray().toStdString()) : std::string();
}

// One key press on the focused widget, and whatever it posts.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    Pump();
}

// Typed key by key; letters outside ASCII ("Ą") as the key events a Polish keyboard sends.
void Type(QWidget* field, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(field, c.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QApplication::sendEvent(field, &release);
    }
}

// Answers the focused field the way a user does.
void Answer(QWidget* field, const std::map<std::string, std::string>& answers)
{
    const std::string hint = HintOf(field);
    if (auto* radio = qobject_cast<QRadioButton*>(field)) {
        // A set of radio buttons is one stop: the arrows walk it to the answer that is 1.
        QRadioButton* wanted = nullptr;
        for (auto* sibling : radio->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
            if (auto a = answers.find(HintOf(sibling)); a != answers.end() && a->second == "1")
                wanted = sibling;
        if (!wanted)
            return;
        for (int guard = 0; guard < 12 && QApplication::focusWidget() != wanted; ++guard)
            Press(Qt::Key_Down);
        if (!wanted->isChecked())
            Press(Qt::Key_Space);
        return;
    }
    const auto a = answers.find(hint);
    if (a == answers.end())
        return;
    if (auto* check = qobject_cast<QAbstractButton*>(field); check && check->isCheckable()) {
        if (check->isChecked() != (a->second == "1"))
            Press(Qt::Key_Space);
    } else if (qobject_cast<QLineEdit*>(field)) {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        Type(field, QString::fromStdString(a->second));
    } else if (qobject_cast<QComboBox*>(field)) {
        Type(field, QString::fromStdString(a->second)); // the list's search by typing
        Pump();
    }
}

} // namespace

// 50 000 revenue - 1 335 costs = 48 665; less 6 855 contributions = 41 810 taxed; 41 810 x 18%
// - 556,02 = 6 969,78; less 3 345,50 health = 3 624,28 -> 3 624 due; 6 000 advances: 2 376 back.
TEST(KeyboardWalk, AWholeReturnIsFilledWithKeysOnly)
{
    std::map<std::string, std::string> answers;
    for (const auto& [name, value] : OneEmployee("6000"))
        answers[name] = value;

    BundledWizard w;
    w.F().resize(1200, 900);
    w.F().show();
    QApplication::setActiveWindow(&w.F());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.F()));
    Pump();
    std::string walked;
    for (int page = 0; page < 20 && w.StepCaption().rfind("Podsumowanie", 0) != 0; ++page) {
        walked += w.StepCaption() + "\n";
        const TFrame1* shown = w.F().Page;
        ASSERT_NE(shown, nullptr) << walked;
        QWidget* first = QApplication::focusWidget();
        ASSERT_NE(first, nullptr) << walked;
        EXPECT_TRUE(shown->isAncestorOf(first))
            << "the page's first field has the focus on " << w.StepCaption() << "; it is on "
            << first->metaObject()->className() << " " << first->objectName().toStdString() << " " << HintOf(first);
        for (int key = 0; key < 80 && w.F().Page == shown; ++key) {
            Answer(QApplication::focusWidget(), answers);
            if (w.F().Page != shown)
                break;
            Press(Qt::Key_Return);
        }
        ASSERT_NE(w.F().Page, shown) << "Enter did not leave " << w.StepCaption() << "\n" << w.WarningsSince(0);
    }
    EXPECT_EQ(w.WarningsSince(0), "") << walked;
    ExpectOnResultPage(w);
    ExpectVars(w,
               {{"PIT37_111", "41810"},
                {"PIT37_113", "6969,78"},
                {"PIT37_126", "3624"},
                {"PIT37_129", "2376"},
                {"PIT36_11", "Kowalski"},
                {"PIT36_1P", "80030512340"},
                {"PIT36_13", "05-03-1980"},
                {"PIT36_17", "Warszawa"},
                {"PIT36_22", "00-001"}});
    EXPECT_TRUE(Contains(w.PageText(), "Nadpłata do zwrotu: 2 376,00 zł.")) << w.PageText();
}
