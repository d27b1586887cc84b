// SPDX-License-Identifier: GPL-3.0-or-later
// Engine speed: an arithmetic expression, a chained condition, and a 2,000-line calculation
// script over a store of 5,000 variables. Targets: >= 1M/s, >= 500k/s, < 5 ms.
#include "engine/Parser.h"
#include "engine/Replay.h"
#include "engine/RootScript.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

using taxilo::TParser;
using taxilo::Value;

void BM_EvalExpression(benchmark::State& state)
{
    TParser p;
    p.SetVar("A", Value::MakeMoney(1234500));
    p.SetVar("B", Value::MakeFloat(2.5));
    p.SetVar("C", Value::MakeText("17,25"));
    p.SetVar("D", Value::MakeInteger(4));
    p.SetVar("E", Value::MakeMoney(30000));
    for (auto _ : state)
        benchmark::DoNotOptimize(p.EvalExpression("A + B * C - D / E"));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvalExpression);

void BM_EvalCondition(benchmark::State& state)
{
    TParser p;
    p.SetVar("A", Value::MakeInteger(1));
    p.SetVar("B", Value::MakeFloat(3));
    p.SetVar("C", Value::MakeText("y"));
    for (auto _ : state)
        benchmark::DoNotOptimize(p.EvalCondition("(A = 1) & (B > 2) ^ (C <> \"x\")"));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvalCondition);

// A realistic mix: form rows summed and rounded, IF blocks on flags, ROUND/TRUNC, SUMS of names.
std::vector<std::string> CalculationScript()
{
    std::vector<std::string> lines;
    for (int i = 0; lines.size() < 2000; ++i) {
        const std::string n = std::to_string(i);
        const std::string r = "PIT37_" + n;
        lines.push_back("# row " + n);
        lines.push_back("SET " + r + "_S = PIT37_" + std::to_string(i % 4000) + " + PIT37_" +
                        std::to_string((i * 7) % 4000) + " - (PIT37_" + std::to_string((i * 13) % 4000) + " * 0.18)");
        lines.push_back("IF (FLAG_" + std::to_string(i % 50) + " = 1) & (" + r + "_S > 0)");
        lines.push_back("SET " + r + "_T = ROUND " + r + "_S * 18%, 0");
        lines.push_back("ELSE");
        lines.push_back("SET " + r + "_T = TRUNC " + r + "_S / 12, 2");
        lines.push_back("ENDIF");
        if (i % 10 == 0)
            lines.push_back("SUMS NAME_" + n + " IMIE + \"_\" + NAZWISKO + \"/\" + " + r + "_T");
    }
    lines.resize(2000);
    return lines;
}

void BM_ExecuteScript(benchmark::State& state)
{
    const auto lines = CalculationScript();
    TParser p;
    for (int i = 0; i < 4950; ++i)
        p.SetVar("PIT37_" + std::to_string(i), Value::MakeFloat(1000.0 + i * 3.25));
    for (int i = 0; i < 50; ++i)
        p.SetVar("FLAG_" + std::to_string(i), Value::MakeInteger(i % 2));
    p.SetVar("IMIE", Value::MakeText("Jan"));
    p.SetVar("NAZWISKO", Value::MakeText("Kowalski"));
    for (auto _ : state)
        p.ExecuteLines(lines);
    state.counters["variables"] = static_cast<double>(p.Variables().size());
}
BENCHMARK(BM_ExecuteScript)->Unit(benchmark::kMillisecond);

// The headless replay of the bundled 2016 script set, root script start to end, from an
// employee's answers: every calculation script and every page's own assignments.
void BM_ReplayBundledScriptSet(benchmark::State& state)
{
    TParser p;
    p.BaseDir = TAXILO_PROGRAM_DIR;
    p.LoadScripts();
    const auto root = taxilo::PrepareRootScript(p, p.BaseDir);
    for (auto _ : state) {
        state.PauseTiming();
        p.Store() = taxilo::VariableStore();
        p.SetVar("START_GOTOWE", Value::MakeText("1"));
        p.SetVar("PIT37_6_1", Value::MakeText("1"));
        p.SetVar("PIT37_37", Value::MakeText("50000"));
        p.SetVar("PIT37_38", Value::MakeText("1335"));
        p.SetVar("PIT37_41", Value::MakeText("6000"));
        state.ResumeTiming();
        benchmark::DoNotOptimize(taxilo::ReplayRoot(p, root).pages.size());
    }
}
BENCHMARK(BM_ReplayBundledScriptSet)->Unit(benchmark::kMillisecond);

} // namespace
