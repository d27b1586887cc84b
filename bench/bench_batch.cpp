// SPDX-License-Identifier: GPL-3.0-or-later
// taxilo-cli batch as an office runs it: 1 000 generated, varied PIT-37 declarations turned
// into their e-declarations and a summary (and, separately, with the printed forms), with one
// and two workers. Whole-process wall time, the process start and the script set's loading
// included; the figure per declaration is that time divided by the count.
#include "engine/Parser.h"
#include "foundation/Value.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using taxilo::Value;

constexpr int kDeclarations = 1000;

// Varied answer sets: incomes from 12 000 to about 180 000 zł, advances below and above the tax,
// every third filing jointly, every fifth with children, every second giving 1%.
void SaveDeclaration(const std::string& path, int i)
{
    taxilo::TParser p;
    const auto text = [&p](const std::string& name, const std::string& value) { p.SetVar(name, Value::MakeText(value)); };
    const long income = 12000 + (i * 7919L) % 168000;
    const bool joint = i % 3 == 0;
    text("ROK", "2016");
    text("START_GOTOWE", "1");
    text("PIT36_1_P", "1");
    text("PIT36_1P", std::to_string(80010100000L + i));
    text("PIT36_11", "Nazwisko" + std::to_string(i));
    text("PIT36_12", "Imię");
    text("PIT36_13", "01-01-1980");
    text("PIT36_14", "POLSKA");
    text("PIT36_16", "Warszawa");
    text("PIT37_9", "PIERWSZY MAZOWIECKI URZĄD SKARBOWY W WARSZAWIE [1471]");
    text("PIT37_10_1", "1");
    text(joint ? "PIT37_6_2" : "PIT37_6_1", "1");
    text("PIT37_37", std::to_string(income));
    text("KOSZTY_PRACA_P", "1335");
    text("PIT37_41", std::to_string(income / 9 + (i % 7) * 100));
    text("SKL_SPOL_P", std::to_string(income * 1371 / 10000));
    text("SKL_ZDR_P", std::to_string(income * 669 / 10000) + ",5");
    if (joint) {
        text("MALZ", "1");
        text("PIT37_68", std::to_string(income / 2));
        text("KOSZTY_PRACA_M", "1335");
        text("WSP_CALY_ROK", "1");
        text("WSP_WSPOLNOSC", "1");
        text("PIT37_72", std::to_string(income / 20));
        text("PIT36_2_P", "1");
        text("PIT36_2P", std::to_string(85010100000L + i));
        text("PIT36_24", "Małżonka" + std::to_string(i));
        text("PIT36_25", "Anna");
    }
    if (i % 5 == 0) {
        // One child, for a varied number of months from January on.
        const int months = 1 + i % 12;
        text("DZ_LICZBA", "1");
        text("DZ1_PESEL", "10210112343");
        text("DZ1_CALY", months == 12 ? "1" : "0");
        for (int m = 1; m <= months && months < 12; ++m)
            text((m < 10 ? "DZ1_M0" : "DZ1_M") + std::to_string(m), "1");
    }
    if (i % 2 == 0) {
        text("OPP_TAK", "1");
        text("OPP_WYBOR", "Fundacja Wielka Orkiestra Świątecznej Pomocy KRS:0000030897");
    } else {
        text("OPP_TAK", "0");
    }
    p.SaveVariables(path, 14, "");
}

// The generated folder, made on first use and removed when the program ends.
struct Folder {
    std::string path = (fs::temp_directory_path() / ("taxilo-bench-batch-" + std::to_string(::getpid()))).string();
    Folder()
    {
        fs::create_directories(path + "/in");
        for (int i = 0; i < kDeclarations; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "/in/d%04d.dpit", i);
            SaveDeclaration(path + name, i);
        }
    }
    ~Folder() { fs::remove_all(path); }
};

const std::string& Declarations()
{
    static const Folder folder;
    return folder.path;
}

double ChildrenCpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void RunBatch(benchmark::State& state, const std::string& outputs)
{
    const std::string dir = Declarations();
    const std::string command = std::string(TAXILO_CLI) + " --base " + TAXILO_PROGRAM_DIR + " batch " + dir +
        "/in --out " + dir + "/out " + outputs + " --jobs " + std::to_string(state.range(0)) + " --summary " + dir +
        "/summary.csv 2>/dev/null";
    for (auto _ : state) {
        fs::remove_all(dir + "/out");
        const double cpuBefore = ChildrenCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        const int status = std::system(command.c_str());
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (status != 0) {
            state.SkipWithError("taxilo-cli batch failed");
            return;
        }
        state.SetIterationTime(seconds);
        state.counters["ms_per_declaration"] = seconds * 1000 / kDeclarations;
        // The process's own CPU time (user + system, all threads): what the wall time would
        // approach on an otherwise idle machine, times the number of cores it could use.
        state.counters["cpu_ms_per_declaration"] = (ChildrenCpuSeconds() - cpuBefore) * 1000 / kDeclarations;
    }
}

void BM_Batch1000Pit37_Xml(benchmark::State& state)
{
    RunBatch(state, "--xml");
}
BENCHMARK(BM_Batch1000Pit37_Xml)->Arg(1)->Arg(2)->ArgName("jobs")->UseManualTime()->Iterations(3)->Unit(benchmark::kSecond);

void BM_Batch1000Pit37_XmlAndPdf(benchmark::State& state)
{
    RunBatch(state, "--xml --pdf");
}
BENCHMARK(BM_Batch1000Pit37_XmlAndPdf)->Arg(1)->Arg(2)->ArgName("jobs")->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

// What an office pays today: one taxilo-cli process per declaration.
void BM_ReplayProcessPerDeclaration(benchmark::State& state)
{
    const std::string dir = Declarations();
    int i = 0;
    for (auto _ : state) {
        char name[32];
        std::snprintf(name, sizeof name, "/in/d%04d.dpit", i++ % kDeclarations);
        const std::string command = std::string(TAXILO_CLI) + " --base " + TAXILO_PROGRAM_DIR + " replay " + dir +
            name + " xml PIT-37 > /dev/null 2>&1";
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("taxilo-cli replay failed");
            return;
        }
    }
}
BENCHMARK(BM_ReplayProcessPerDeclaration)->Iterations(100)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
