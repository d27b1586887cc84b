// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: start-up to the first page on a set of 300 scripts, one Next on a typical
// page, and reopening a declaration that replays 40 pages. Runs on the offscreen platform.
#include "app/ScriptedDialogs.h"
#include "app/glowna.h"
#include "foundation/TextFile.h"
#include "pages/FrameDef.h"

#include <QApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

using namespace taxilo;

constexpr int kPages = 60;
constexpr int kScripts = 300;

void Pump()
{
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// A program folder: a root script with kPages steps, each with a calculation script before its
// page, and unused scripts up to kScripts in all.
struct ScriptSet {
    std::string dir;
    ScriptSet()
    {
        dir = (std::filesystem::temp_directory_path() / ("taxilo-bench-main-" + std::to_string(::getpid()))).string() +
            "/";
        std::filesystem::create_directories(dir + "Dane");
        std::vector<std::string> root{"SCRIPT|start", "HOTPOINT|x||Zeznanie||ROOT"};
        int written = 1;
        WriteTextLinesAtomic(dir + "Dane/start.pit", {"SET ROK = 2016", "SET SUMA = 0"});
        for (int i = 0; i < kPages; ++i) {
            const std::string n = std::to_string(i);
            root.push_back("HOTPOINT|x||x|Krok $krok: strona " + n);
            root.push_back("SCRIPT|calc" + n);
            root.push_back("FORM|page" + n);
            std::vector<std::string> calc;
            for (int k = 0; k < 20; ++k)
                calc.push_back("SET V" + n + "_" + std::to_string(k) + " = SUMA + " + std::to_string(k) + ",5");
            calc.push_back("SET SUMA = SUMA + 1");
            WriteTextLinesAtomic(dir + "Dane/calc" + n + ".pit", calc);
            std::vector<std::string> page{"HEAD|Strona " + n};
            for (int k = 0; k < 15; ++k)
                page.push_back("TEXT|Pytanie " + std::to_string(k) + " na stronie $krok|9");
            WriteTextLinesAtomic(dir + "Dane/page" + n + ".pit", page);
            written += 2;
        }
        for (; written < kScripts - 1; ++written)
            WriteTextLinesAtomic(dir + "Dane/extra" + std::to_string(written) + ".pit", {"SET E = 1"});
        WriteTextLinesAtomic(dir + "Dane/root.pit", root);
    }
    ~ScriptSet() { std::filesystem::remove_all(dir); }
};

ScriptSet& Set()
{
    static ScriptSet set;
    return set;
}

void BM_StartUpToFirstPage(benchmark::State& state)
{
    ScriptedDialogs dialogs;
    for (auto _ : state) {
        TForm1 form(Set().dir);
        form.FormShow();
        benchmark::DoNotOptimize(form.Page);
        state.PauseTiming();
        form.File().SetModified(false);
        Pump();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstPage)->Unit(benchmark::kMillisecond);

void BM_Next(benchmark::State& state)
{
    ScriptedDialogs dialogs;
    TForm1 form(Set().dir);
    form.FormShow();
    Pump();
    for (auto _ : state) {
        if (!form.sBitBtn1->isEnabled()) {
            state.PauseTiming();
            form.sListBox1Click(1, true);
            Pump();
            state.ResumeTiming();
        }
        form.sBitBtn1->click();
        Pump();
    }
}
BENCHMARK(BM_Next)->Unit(benchmark::kMillisecond);

void BM_Reopen40Pages(benchmark::State& state)
{
    ScriptedDialogs dialogs;
    TForm1 form(Set().dir);
    form.FormShow();
    Pump();
    for (int i = 1; i < 40; ++i) {
        form.sBitBtn1->click();
        Pump();
    }
    const QString file = QString::fromStdString(Set().dir + "replay.dpit");
    dialogs.FileAnswers.push_back(file);
    if (!form.Zapiszjako1Click() || form.CountReachedForms() != 40) {
        state.SkipWithError("the declaration of 40 pages was not written");
        return;
    }
    for (auto _ : state) {
        form.LoadDeclaration(file);
        for (int i = 0; i < 45; ++i)
            Pump();
        if (form.CurrentStep() != 40)
            state.SkipWithError("the replay did not reach page 40");
    }
}
BENCHMARK(BM_Reopen40Pages)->Unit(benchmark::kMillisecond);

} // namespace
