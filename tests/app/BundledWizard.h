// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bundled 2016 script set in a main window of its own, with answer sets shared by the
// script-set tests: a declaration is saved with the answers, opened as "Otwórz" does and replayed.
#include "WizardFixture.h"

#include "foundation/AmountText.h"
#include "pages/FrameDef.h"
#include "pages/PageControls.h"
#include "platform/QtText.h"
#include "support/ScriptSetAnswers.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace taxilo::test {

// Pages of the root script: ten for one taxpayer, three more (spouse's data, address, income)
// for a joint return.
constexpr int kFormsSingle = 10;
constexpr int kFormsJoint = 13;
// With children the list of children and their months is one more page.
constexpr int kFormsWithChildren = kFormsSingle + 1;

inline std::string Utf8(const std::string& cp1250)
{
    return ToQString(cp1250).toStdString();
}

// A program folder holding the bundled script set, so the window never writes next to the build.
struct BundledWizard {
    TempDir Dir;
    ScriptedDialogs Dialogs;
    std::unique_ptr<TForm1> Form;

    BundledWizard()
    {
        namespace fs = std::filesystem;
        const fs::path bundled(TAXILO_PROGRAM_DIR);
        const fs::path program(Dir.Path());
        fs::copy_file(bundled / "scripts.pak", program / "scripts.pak");
        fs::copy_file(bundled / "patterns.pak", program / "patterns.pak");
        fs::copy(bundled / "Dane", program / "Dane", fs::copy_options::recursive);
        if (fs::exists(bundled / "Wzorce"))
            fs::copy(bundled / "Wzorce", program / "Wzorce", fs::copy_options::recursive);
        Settings::Instance().UseFile(QString::fromStdString(Dir.File("registry.ini")));
        Form = std::make_unique<TForm1>(Dir.Path());
        Form->FormShow();
        Pump();
    }
    ~BundledWizard()
    {
        Form.reset();
        Settings::Instance().UseFile({});
    }

    TForm1& F() { return *Form; }
    std::string Var(const char* name) const { return Form->Engine->GetVar(name).ToText(); }
    std::vector<std::string> Steps() const
    {
        std::vector<std::string> steps;
        for (const THotpoint& entry : Form->Position().Entries())
            steps.push_back(entry.Caption);
        return steps;
    }
    std::string StepCaption() const
    {
        const auto steps = Steps();
        const int at = Form->CurrentStep();
        return at >= 0 && at < static_cast<int>(steps.size()) ? Utf8(steps[static_cast<size_t>(at)]) : "";
    }

    // Saves the answers as the program saves them (values as text) with the number of pages
    // reached, opens the file as "Otwórz" does, and lets the replay run.
    void Open(const Answers& answers, int forms)
    {
        const std::string path = SaveAnswers(Dir, answers, forms);
        const QString file = QString::fromStdString(path);
        ASSERT_TRUE(Form->CheckDeclarationYear(file));
        ASSERT_TRUE(Form->LoadDeclaration(file));
        Pump();
    }

    // The current page's widget of kind T bound to the variable (UTF-8 name), or nullptr.
    template <typename T>
    T* Field(const char* name) const
    {
        for (auto* widget : Form->Page->findChildren<T*>())
            if (widget->property("hint").toByteArray() == W(name).c_str())
                return widget;
        return nullptr;
    }

    // Every text the current page shows; with raw false the non-breaking spaces that keep
    // amounts whole read as blanks.
    std::string PageText(bool raw = false) const
    {
        std::string text;
        if (Form->Page)
            for (const TextBlock* block : Form->Page->findChildren<TextBlock*>()) {
                QString shown = block->Text();
                if (!raw)
                    shown.replace(QChar(0xA0), QLatin1Char(' '));
                text += shown.toStdString() + "\n";
            }
        return text;
    }

    // Warnings and errors shown since the log held `from` entries.
    std::string WarningsSince(size_t from) const
    {
        std::string shown;
        for (size_t i = from; i < Dialogs.Log.size(); ++i) {
            const auto& entry = Dialogs.Log[i];
            const QString caption = entry.Caption.toLower();
            if (entry.Kind == QStringLiteral("message") &&
                (caption == QStringLiteral("uwaga") || caption == QStringLiteral("błąd")))
                shown += entry.Caption.toStdString() + ": " + entry.Text.toStdString() + "\n";
        }
        return shown;
    }

    bool HasTab(const char* id, const char* caption) const
    {
        const int index = Form->FindPreviewTab(id);
        return index > 0 && Form->sPageControl1->tabText(index) == QString::fromUtf8(caption);
    }
};

inline bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// Each variable's text form after the replay (UTF-8).
inline void ExpectVars(const BundledWizard& w, const Answers& expected)
{
    for (const auto& [name, value] : expected)
        EXPECT_EQ(Utf8(w.Var(name.c_str())), value) << name;
}

inline void ExpectOnResultPage(BundledWizard& w)
{
    ASSERT_NE(w.F().Page, nullptr);
    EXPECT_EQ(w.F().CurrentStep(), static_cast<int>(w.Steps().size()) - 1);
    EXPECT_EQ(w.StepCaption(), "Podsumowanie|Wynik rozliczenia, wydruk i wysyłka|");
    EXPECT_EQ(w.WarningsSince(0), "");
}

// Types the text key by key over the field's whole text, as a user does.
inline void Type(BundledWizard& w, const char* name, const char* text)
{
    QLineEdit* edit = w.Field<QLineEdit>(name);
    ASSERT_NE(edit, nullptr) << name << " on " << w.StepCaption();
    edit->selectAll();
    for (const QChar c : QString::fromUtf8(text)) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(edit, &press);
    }
}

// Chooses an item of a list on the page, as a click on it does.
inline void Pick(BundledWizard& w, const char* name, const char* item)
{
    PageCombo* list = w.Field<PageCombo>(name);
    ASSERT_NE(list, nullptr) << name << " on " << w.StepCaption();
    const int index = list->findText(QString::fromUtf8(item));
    ASSERT_GE(index, 0) << item;
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// Next, which must pass the page's tests without a warning and reach the expected step.
inline void Next(BundledWizard& w, const std::string& expectedStep)
{
    const size_t logged = w.Dialogs.Log.size();
    w.F().sBitBtn1->click();
    Pump();
    ASSERT_EQ(w.WarningsSince(logged), "");
    ASSERT_EQ(w.StepCaption(), expectedStep);
}

// A stored number as a page shows it and PageText() reads it back ("3 060,00": the grouping blanks
// are non-breaking on the page).
inline std::string ShownAmount(const std::string& number)
{
    std::string shown = PolishAmountText(number).value_or(number);
    std::replace(shown.begin(), shown.end(), kNonBreakingSpace, ' ');
    return shown;
}

// Presses Next and gives the messages shown (warnings and notices alike).
inline std::vector<std::string> NextShowing(BundledWizard& w)
{
    const size_t before = w.Dialogs.Log.size();
    w.F().sBitBtn1->click();
    Pump();
    std::vector<std::string> shown;
    for (size_t i = before; i < w.Dialogs.Log.size(); ++i)
        if (w.Dialogs.Log[i].Kind == QStringLiteral("message"))
            shown.push_back(w.Dialogs.Log[i].Text.toStdString());
    return shown;
}

// With TAXILO_SHOTS set to a folder, saves a picture of the window there (for looking at pages by hand).
inline void Shot(BundledWizard& w, const char* name)
{
    if (const char* dir = std::getenv("TAXILO_SHOTS")) {
        w.F().resize(1100, 860);
        w.F().show();
        Pump();
        w.F().grab().save(QString::fromUtf8(dir) + "/" + QString::fromUtf8(name) + ".png");
    }
}

} // namespace taxilo::test
