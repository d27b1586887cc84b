// SPDX-License-Identifier: GPL-3.0-or-later
// Engines sharing one loaded script set: the batch runs one engine per thread on a set loaded once.
#include "engine/Parser.h"
#include "support/PackageBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

using namespace taxilo;
using namespace taxilo::test;

// A sharing engine reads the same scripts and pattern bytes without loading them, keeps its
// variables to itself, and keeps the set when the engine that loaded it is gone or reloads.
TEST(SharedScripts, EnginesShareTheSetButNotTheirVariables)
{
    TempDir dir;
    WriteScriptsPak(dir, {{"calc.pit", "SET B = A * 2\r\nSET N = N + 1"}});
    WriteBytes(dir.File("patterns.pak"), "pattern bytes");
    auto loaded = std::make_unique<TParser>();
    loaded->BaseDir = dir.Path();
    loaded->LoadScripts();
    loaded->LoadPatterns();

    TParser first, second;
    for (TParser* engine : {&first, &second}) {
        engine->BaseDir = dir.Path();
        engine->ShareScripts(*loaded);
    }
    EXPECT_EQ(first.Patterns(), loaded->Patterns()) << "the same bytes, not a copy";
    first.SetVar("A", Value::MakeText("21"));
    first.RunScript(dir.Path() + "Dane/calc.pit");
    EXPECT_EQ(first.GetVar("B").ToText(), "42");
    EXPECT_EQ(second.FindVar("A", false), -1);
    EXPECT_EQ(loaded->FindVar("B", false), -1);

    // The loader goes away (or loads another set): the sharing engines keep theirs.
    WriteScriptsPak(dir, {{"calc.pit", "SET B = 0"}});
    loaded->LoadScripts();
    second.SetVar("A", Value::MakeText("5"));
    second.RunScript(dir.Path() + "Dane/calc.pit");
    EXPECT_EQ(second.GetVar("B").ToText(), "10");
    loaded.reset();
    EXPECT_EQ(*first.Patterns(), "pattern bytes");
    first.RunScript(dir.Path() + "Dane/calc.pit");
    EXPECT_EQ(first.GetVar("N").ToText(), "2");
}

// Four threads, each with its own engine on the shared set, run the same script many times;
// each ends with exactly its own result. Built with ThreadSanitizer this also shows that no
// part of the engine a worker uses writes to shared state.
TEST(SharedScripts, FourThreadsRunTheSharedSetIndependently)
{
    TempDir dir;
    WriteScriptsPak(dir, {{"calc.pit", "SET T = T + A\r\nIF T > 1000\r\nSET BIG = TRUE\r\nENDIF\r\nSET W = SLOWNIE T"}});
    TParser loaded;
    loaded.BaseDir = dir.Path();
    loaded.LoadScripts();
    std::vector<std::string> results(4);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            TParser engine;
            engine.BaseDir = dir.Path();
            engine.ShareScripts(loaded);
            engine.SetVar("A", Value::MakeFloat(t + 1));
            for (int i = 0; i < 300; ++i)
                engine.RunScript(dir.Path() + "Dane/calc.pit");
            results[static_cast<size_t>(t)] = engine.GetVar("T").ToText() + " " + engine.GetVar("BIG").ToText();
        });
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(results, (std::vector<std::string>{"300 ", "600 ", "900 ", "1200 1"}));
}
