// SPDX-License-Identifier: GPL-3.0-or-later
// The e-declaration document of the largest form with every attachment it can carry.
#include "engine/Parser.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void FillPit36(taxilo::TParser& p)
{
    using taxilo::Value;
    for (const char* flag : {"PIT_O", "PIT_D", "PIT_2K", "PIT_B", "PIT_BM", "PIT_M", "PIT_MM", "PIT36_10_2", "PIT37_6_2"})
        p.SetVar(flag, Value::MakeText("1"));
    p.SetVar("PITZG_IL", Value::MakeText("5"));
    p.SetVar("PITZGM_IL", Value::MakeText("5"));
    p.SetVar("O40_VAL", Value::MakeText("6"));
    // Every row of the form and of the attachments holds something.
    for (int row = 1; row <= 348; ++row)
        p.SetVar("PIT36_" + std::to_string(row), Value::MakeMoney(row * 12345));
    for (const char* prefix : {"PITO", "PITD", "PIT2K", "PITB", "PITBM", "PITM", "PITMM", "PITZG", "PITZG2", "PITZG3",
                               "PITZG4", "PITZG5", "PITZGM", "PITZGM2", "PITZGM3", "PITZGM4", "PITZGM5"})
        for (int row = 1; row <= 60; ++row)
            p.SetVar(std::string(prefix) + "_" + std::to_string(row), Value::MakeText("123,45"));
    for (int block : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}) {
        p.SetVar("PITO_" + std::to_string(block) + "02", Value::MakeText("Jan"));
        p.SetVar("PITO_" + std::to_string(block) + "10", Value::MakeMoney(5000000));
        p.SetVar("PITO_" + std::to_string(block) + "05_01", Value::MakeText("1"));
    }
}

void BM_BuildDeclarationXml_Pit36AllAttachments(benchmark::State& state)
{
    taxilo::TParser p;
    FillPit36(p);
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string doc = p.BuildDeclarationXml("PIT-36");
        bytes = doc.size();
        benchmark::DoNotOptimize(doc.data());
    }
    state.counters["document_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_BuildDeclarationXml_Pit36AllAttachments)->Unit(benchmark::kMicrosecond);

} // namespace
