// SPDX-License-Identifier: GPL-3.0-or-later
// Building a page of 150 elements (texts, 60 fields, groups, lists from files of 2,500 lines),
// and StoreValues + RunTests with 40 tests. Times are reported, never asserted.
#include "app/ScriptedDialogs.h"
#include "pages/FrameDef.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace taxilo;

struct Fixture {
    Fixture()
    {
        dir = std::filesystem::temp_directory_path() / ("taxilo_bench_pages_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir / "Dane");
        {
            std::ofstream list(dir / "Dane" / "miasta.txt", std::ios::binary);
            for (int i = 0; i < 2500; ++i)
                list << "region" << (i % 16) << "|miasto" << i << "\r\n";
        }
        std::string script = "HEAD|Strona testowa\nCONSTSPACE|2\n";
        int elements = 2;
        for (int g = 0; g < 6; ++g) {
            script += "GROUP_BEGIN|{B}Grupa " + std::to_string(g) + "||G" + std::to_string(g) + "\n";
            ++elements;
            for (int i = 0; i < 10; ++i) {
                const std::string n = std::to_string(g * 10 + i);
                switch (i % 5) {
                case 0: script += "FLOAT|K" + n + "|150|Kwota " + n + ":|Opis kwoty " + n + "\n"; break;
                case 1: script += "EDIT|E" + n + "|200|Tekst " + n + ":\n"; break;
                case 2: script += "COMBO|L" + n + "|160|Miasto:|||||miasta.txt|1|REGION\n"; break;
                case 3: script += "CHOICE|CHECK|C" + n + "||Opcja " + n + "|Opis opcji " + n + "\n"; break;
                default: script += "YESNO|T" + n + "|Pytanie " + n + "?\n"; break;
                }
                ++elements;
                script += "TEXT|Objaśnienie do pola " + n +
                    ", dość długie, żeby zawinąć się w dwóch wierszach na "
                    "stronie o zwykłej szerokości okna programu.\n";
                ++elements;
            }
            script += "GROUP_END\n";
            ++elements;
        }
        while (elements < 150) {
            script += "TEXT|Uzupełnienie " + std::to_string(elements) + "\n";
            ++elements;
        }
        script += "TEST_BEGIN\n";
        for (int t = 0; t < 40; ++t)
            script += "TEST|K" + std::to_string((t % 12) * 5) + "<99999999999|Kwota przekracza zakres pola.\n";
        script += "TEST_END\n";
        path = (dir / "Dane" / "strona.pit").string();
        std::ofstream(path, std::ios::binary) << script;
        engine.BaseDir = dir.string() + "/";
        engine.SetVar("REGION", Value::MakeText("region3"));
    }
    ~Fixture() { std::filesystem::remove_all(dir); }

    std::filesystem::path dir;
    std::string path;
    TParser engine;
    TEstimate worksheets;
    QObject mainWindow;
    ScriptedDialogs dialogs;
};

void BM_BuildPage(benchmark::State& state)
{
    Fixture fixture;
    TFrame1 frame(nullptr, fixture.engine, fixture.worksheets, &fixture.mainWindow);
    frame.resize(800, 600);
    for (auto _ : state)
        benchmark::DoNotOptimize(frame.BuildPage(fixture.path));
}
BENCHMARK(BM_BuildPage)->Unit(benchmark::kMillisecond);

void BM_StoreAndRunTests(benchmark::State& state)
{
    Fixture fixture;
    TFrame1 frame(nullptr, fixture.engine, fixture.worksheets, &fixture.mainWindow);
    frame.resize(800, 600);
    frame.BuildPage(fixture.path);
    for (auto _ : state) {
        frame.StoreValues();
        if (!frame.RunTests()) {
            state.SkipWithError("a test failed: the run did not go through all 40");
            break;
        }
    }
}
BENCHMARK(BM_StoreAndRunTests)->Unit(benchmark::kMillisecond);

} // namespace
