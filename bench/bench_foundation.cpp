// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the engine foundation: package loading, declaration files, lookups, the codec.
#include "engine/Package.h"
#include "engine/Parser.h"
#include "foundation/Biblioteka.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

using namespace taxilo;

namespace {

std::string TempFolder(const std::string& name)
{
    const auto path = std::filesystem::temp_directory_path() / ("taxilo-bench-" + name);
    std::filesystem::create_directories(path);
    return path.string() + "/";
}

// A package of 2,000 scripts, about 5 MB in all.
void BM_LoadScripts(benchmark::State& state)
{
    const std::string dir = TempFolder("pak");
    std::vector<std::pair<std::string, std::string>> files;
    std::string text;
    while (text.size() < 2500)
        text += "SET PIT37_" + std::to_string(text.size()) + " = PIT37_1 + PIT37_2 * 3\r\n";
    for (int i = 0; i < 2000; ++i)
        files.emplace_back("script_" + std::to_string(i) + ".pit", text);
    {
        std::ofstream out(dir + "scripts.pak", std::ios::binary);
        out << BuildPackage(files, 1);
    }
    for (auto _ : state) {
        TParser parser;
        parser.BaseDir = dir;
        parser.LoadScripts();
        benchmark::DoNotOptimize(parser.Scripts().Count());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(std::filesystem::file_size(dir + "scripts.pak")));
}
BENCHMARK(BM_LoadScripts)->Unit(benchmark::kMillisecond);

void FillStore(TParser& parser, int count)
{
    for (int i = 0; i < count; ++i)
        parser.SetVar("PIT37_" + std::to_string(i), Value::MakeMoney(i * 12345));
}

void BM_SaveAndLoadVariables(benchmark::State& state)
{
    const std::string path = TempFolder("dpit") + "bench.dpit";
    TParser parser;
    FillStore(parser, 10000);
    TParser reader;
    for (auto _ : state) {
        parser.SaveVariables(path, 12, "");
        benchmark::DoNotOptimize(reader.LoadVariables(path, ""));
    }
}
BENCHMARK(BM_SaveAndLoadVariables)->Unit(benchmark::kMillisecond);

void BM_GetVar(benchmark::State& state)
{
    TParser parser;
    FillStore(parser, 10000);
    int i = 0;
    std::vector<std::string> names;
    for (int k = 0; k < 10000; k += 37)
        names.push_back("PIT37_" + std::to_string(k));
    for (auto _ : state) {
        benchmark::DoNotOptimize(parser.GetVar(names[static_cast<size_t>(i)]));
        i = (i + 1) % static_cast<int>(names.size());
    }
}
BENCHMARK(BM_GetVar);

void BM_FindVar(benchmark::State& state)
{
    TParser parser;
    FillStore(parser, 10000);
    const std::string name = "PIT37_7777";
    for (auto _ : state)
        benchmark::DoNotOptimize(parser.FindVar(name, false));
}
BENCHMARK(BM_FindVar);

void BM_Scramble(benchmark::State& state)
{
    const std::string text(1 << 20, 'x');
    for (auto _ : state)
        benchmark::DoNotOptimize(ScrambleText(kScrambleKey, text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_Scramble);

void BM_Unscramble(benchmark::State& state)
{
    const std::string text = ScrambleText(kScrambleKey, std::string(1 << 20, 'x'));
    for (auto _ : state)
        benchmark::DoNotOptimize(UnscrambleText(kScrambleKey, text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size() / 2));
}
BENCHMARK(BM_Unscramble);

} // namespace
