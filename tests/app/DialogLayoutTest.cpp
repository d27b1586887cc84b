// SPDX-License-Identifier: GPL-3.0-or-later
// The program's dialogs laid out and drawn right at every screen scale: no two controls cover each
// other, none reaches out of its window or cuts its caption, and every picture is drawn at the
// screen's pixel density. The tests run once as they are and, registered again in tests/gui.cmake,
// with TAXILO_TEST_SCALE 1.5 and 2 (QT_SCALE_FACTOR: screens of 144 and 192 dpi). With TAXILO_SHOTS set to a folder,
// each dialog is also saved there as a picture, for looking at.
#include "app/HintForm.h"
#include "app/Pomoc.h"
#include "app/Wiadomosc.h"
#include "app/WizardFixture.h"
#include "app/about.h"
#include "app/internetsend.h"
#include "app/koniec.h"
#include "foundation/Cp1250.h"
#include "platform/QtText.h"
#include "print/print_shift.h"
#include "registers/US_choice.h"
#include "registers/US_edit.h"
#include "registers/sumator.h"
#include "support/TestSupport.h"
#include "ui/PictureDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace taxilo::test {
namespace {

int ScreenDpi()
{
    return static_cast<int>(std::lround(96 * qApp->devicePixelRatio()));
}

std::string Describe(const QWidget* widget)
{
    std::string text = widget->objectName().toStdString();
    if (auto* label = qobject_cast<const QLabel*>(widget); label && !label->text().isEmpty())
        text += " \"" + label->text().left(30).toStdString() + "\"";
    if (auto* button = qobject_cast<const QAbstractButton*>(widget); button && !button->text().isEmpty())
        text += " [" + button->text().toStdString() + "]";
    return text.empty() ? widget->metaObject()->className() : text;
}

// A picture drawn below the screen's density is enlarged, and blurred, by the screen.
bool Blurred(const QPixmap& pixmap)
{
    return !pixmap.isNull() && pixmap.devicePixelRatio() + 0.01 < std::min(qApp->devicePixelRatio(), 2.0);
}

// What is wrong with the shown window's layout; empty when nothing is.
std::string LayoutProblems(QWidget* window)
{
    std::string found;
    const QRect inside = window->rect();
    std::vector<QWidget*> controls;
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible() && !child->isWindow())
            controls.push_back(child);
    for (size_t i = 0; i < controls.size(); ++i) {
        const QRect box = controls[i]->geometry();
        if (!inside.contains(box))
            found += Describe(controls[i]) + " reaches out of the window\n";
        for (size_t j = i + 1; j < controls.size(); ++j)
            if (const QRect common = box & controls[j]->geometry(); common.width() > 1 && common.height() > 1)
                found += Describe(controls[i]) + " overlaps " + Describe(controls[j]) + "\n";
    }
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (Blurred(label->pixmap()))
                found += Describe(label) + " shows an enlarged picture\n";
            if (label->pixmap().isNull() && !label->text().isEmpty()) {
                const int needed = label->wordWrap() ? label->heightForWidth(label->contentsRect().width())
                                                     : label->sizeHint().height();
                if (label->contentsRect().height() + 1 < needed - 2 * label->margin())
                    found += Describe(label) + " cuts its text\n";
                if (!label->wordWrap() && label->contentsRect().width() + 1 < label->minimumSizeHint().width())
                    found += Describe(label) + " is narrower than its text\n";
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !button->text().isEmpty()) {
            const QSize hint = button->sizeHint();
            if (button->width() + 1 < std::min(hint.width(), button->fontMetrics().horizontalAdvance(button->text())) ||
                button->height() + 1 < button->fontMetrics().height())
                found += Describe(button) + " cuts its caption\n";
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !button->icon().isNull()) {
            const QPixmap drawn = button->icon().pixmap(button->iconSize(), qApp->devicePixelRatio());
            if (Blurred(drawn))
                found += Describe(button) + " shows an enlarged icon\n";
        }
    }
    if (auto* picture = qobject_cast<PictureDialog*>(window); picture && Blurred(picture->Background()))
        found += "the window's picture is enlarged\n";
    return found;
}

// Shows the window as the program would, checks it and, when asked, saves what it looks like.
std::string Check(QWidget& window, const char* name)
{
    window.show();
    Pump();
    if (const char* folder = std::getenv("TAXILO_SHOTS")) {
        QDir().mkpath(QString::fromLocal8Bit(folder));
        window.grab().save(
            QStringLiteral("%1/%2-%3dpi.png").arg(QString::fromLocal8Bit(folder)).arg(name).arg(ScreenDpi()));
    }
    std::string problems = LayoutProblems(&window);
    window.hide();
    return problems.empty() ? problems : std::string(name) + " at " + std::to_string(ScreenDpi()) + " dpi:\n" + problems;
}

TEST(DialogLayout, CalculatorAndRegisterWindows)
{
    TForm7 calculator;
    TEstPoz worksheet;
    worksheet.Name = "PIT37_37";
    worksheet.Lines[0] = {W("PIT-11 od pracodawcy głównego"), Value::MakeMoney(35000'0000)};
    worksheet.Lines[1] = {W("PIT-11 z umowy zlecenia"), Value::MakeMoney(13000'0000)};
    calculator.LoadWorksheet(worksheet);
    EXPECT_EQ(Check(calculator, "kalkulator"), "");

    TempDir user;
    for (const char* name : {"opp", "us"}) {
        TForm5 chooser;
        chooser.ProgramDir = std::string(TAXILO_PROGRAM_DIR) + "/";
        chooser.UserDataDir = user.Path();
        chooser.RegisterName = name;
        chooser.ChosenText = W(
            std::string(name) == "opp" ? "Fundacja Wielka Orkiestra Świątecznej Pomocy KRS:0000030897" : "");
        chooser.LoadRegister();
        chooser.lbl1->setText(std::string(name) == "opp" ? QStringLiteral("Wybierz organizację pożytku publicznego")
                                                         : QStringLiteral("Wybierz urząd skarbowy"));
        EXPECT_EQ(Check(chooser, name), "");
    }
    TForm18 office;
    office.SetOffice(W("Pierwszy Mazowiecki Urząd Skarbowy w Warszawie"), W("ul. Lindleya 14, 02-013 Warszawa"),
                     "12101010100164742223000000");
    EXPECT_EQ(Check(office, "urzad"), "");
}

TEST(DialogLayout, HintMessageHelpAndQuestionWindows)
{
    TForm3 shortHint;
    shortHint.ShowText(W("Datę wpisuje się w postaci dzień-miesiąc-rok, np. 05-03-1980."));
    shortHint.FitToText();
    EXPECT_EQ(Check(shortHint, "podpowiedz"), "");

    TForm3 longHint;
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "Za każdy miesiąc: {B}92,67 zł{B} na pierwsze i drugie dziecko, 166,67 zł na trzecie.\\n";
    longHint.ShowText(W(text));
    longHint.FitToText();
    EXPECT_EQ(Check(longHint, "podpowiedz-dluga"), "");

    TForm2 message;
    message.Setup(QStringLiteral("Uwaga"),
                  QStringLiteral("Wpisz imię, nazwisko i numer PESEL dziecka nr 2 – są potrzebne w załączniku PIT/O. "
                                 "Czy chcesz wrócić do listy dzieci i uzupełnić brakujące dane?"),
                  MessageButtons::YesNo);
    EXPECT_EQ(Check(message, "komunikat"), "");

    HelpWindow help(nullptr, QStringLiteral("Pomoc"), HelpText(std::string(TAXILO_PROGRAM_DIR) + "/"), true);
    EXPECT_EQ(Check(help, "pomoc"), "");

    TForm9 question(nullptr, TForm9::CloseQuestion(), QStringLiteral("YES_CLOSE_NORMAL"),
                    QStringLiteral("YES_CLOSE_OVER"), QStringLiteral("NO_CLOSE_NORMAL"), QStringLiteral("NO_CLOSE_OVER"));
    EXPECT_EQ(Check(question, "zamkniecie"), "");

    AboutWindow about(nullptr, QStringLiteral("Taxilo 2016"), QStringLiteral("1.0"));
    EXPECT_EQ(Check(about, "o-programie"), "");

    TForm19 send(nullptr, std::string(TAXILO_PROGRAM_DIR) + "/");
    EXPECT_EQ(Check(send, "wysylka"), "");

    TForm14 offsets;
    EXPECT_EQ(Check(offsets, "przesuniecie"), "");
}

} // namespace
} // namespace taxilo::test
