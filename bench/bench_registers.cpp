// SPDX-License-Identifier: GPL-3.0-or-later
// The register chooser on 10,000 organisations: opening it (reading, sorting, filling the list
// and the filters) and one search as the timer runs it. Runs on the offscreen platform.
#include "foundation/Biblioteka.h"
#include "foundation/TextFile.h"
#include "registers/US_choice.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace taxilo;

constexpr int kOrganisations = 10000;

struct Register {
    std::string dir;
    Register()
    {
        dir = (std::filesystem::temp_directory_path() / ("taxilo-bench-" + std::to_string(::getpid()))).string() + "/";
        std::filesystem::create_directories(dir + "Dane");
        const char* cities[] = {"Warszawa", "Krak\xF3w", "\xA3\xF3\x64\x9F", "Gda\xF1sk", "Radom", "Opole"};
        const char* voivodeships[] = {"mazowieckie", "ma\xB3opolskie", "\xB3\xF3\x64zkie", "pomorskie"};
        std::vector<std::string> plain;
        std::vector<std::string> scrambled{std::string(kScrambleMarker)};
        for (int i = 0; i < kOrganisations; ++i) {
            // Names spread over the alphabet so sorting does real work.
            const std::string name = std::string(i % 3 ? "Fundacja " : "Stowarzyszenie ") +
                static_cast<char>('A' + (i * 7919) % 26) + "ak\xB3" + std::to_string(i);
            const std::string city = cities[i % 6];
            const std::string line = name + "|ul. D\xB3uga " + std::to_string(i) + ", " + city + "|" +
                std::to_string(100000000 + i) + "|" + city + "|" + voivodeships[i % 4] + "|22 000 00 00|www.org" +
                std::to_string(i) + ".pl|pomoc spo\xB3\x65\x63zna";
            plain.push_back(line);
            scrambled.push_back(ScrambleText(kScrambleKey, line));
        }
        WriteTextLinesAtomic(dir + "Dane/opp.pit", plain);
        WriteTextLinesAtomic(dir + "Dane/opps.pit", scrambled);
    }
    ~Register() { std::filesystem::remove_all(dir); }
};

Register& Shared()
{
    static Register r;
    return r;
}

void Prepare(TForm5& form, const char* name)
{
    form.ProgramDir = Shared().dir;
    form.UserDataDir.clear();
    form.RegisterName = name;
    form.ChosenText.clear();
}

void BM_OpenChooser(benchmark::State& state, const char* name)
{
    TForm5 form;
    Prepare(form, name);
    for (auto _ : state) {
        form.LoadRegister();
        benchmark::DoNotOptimize(form.ListModel().rowCount());
    }
    state.counters["records"] = static_cast<double>(form.ListModel().rowCount());
}
BENCHMARK_CAPTURE(BM_OpenChooser, plain, "opp")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenChooser, scrambled, "opps")->Unit(benchmark::kMillisecond);

void BM_Search(benchmark::State& state, const char* typed)
{
    TForm5 form;
    Prepare(form, "opp");
    form.LoadRegister();
    form.show();
    const QString text = QString::fromUtf8(typed);
    for (auto _ : state) {
        form.sEdit1->setText(text);
        form.Timer1Timer();
        benchmark::DoNotOptimize(form.SelectedEntry());
    }
}
BENCHMARK_CAPTURE(BM_Search, name_fragment,
                  "ak\xC5\x82"
                  "9999")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, krs_key, "Fundacja KRS:100009998")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, no_match, "nie ma takiej organizacji")->Unit(benchmark::kMicrosecond);

void BM_VoivodeshipFilter(benchmark::State& state)
{
    TForm5 form;
    Prepare(form, "opp");
    form.LoadRegister();
    int i = 0;
    for (auto _ : state) {
        form.sComboBox1->setCurrentIndex(1 + (i++ % 4));
        benchmark::DoNotOptimize(form.ListModel().rowCount());
    }
}
BENCHMARK(BM_VoivodeshipFilter)->Unit(benchmark::kMicrosecond);

} // namespace
