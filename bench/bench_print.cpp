// SPDX-License-Identifier: GPL-3.0-or-later
// Print composition: one preview page at zoom 1, a zoom step, and a four-page pattern to PDF.
#include "engine/Parser.h"
#include "foundation/TextFile.h"
#include "foundation/Value.h"
#include "print/PrintManager.h"
#include "print/core/PatternDescription.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace taxilo;

std::string FourPages()
{
    std::string d = "pattern BENCH\n";
    for (int page = 0; page < 4; ++page) {
        d += "page\nbox 0 0 684 1009 1.5\nfont 7 bold\n";
        for (int row = 0; row < 30; ++row) {
            const std::string y = std::to_string(60 + row * 30);
            d += "box 20 " + y + " 644 30\ntext 24 " + y + " left \"Pozycja " + std::to_string(row) + "\"\n";
            d += "comb 300 " + y + " 18 24 10\n";
            d += "field F" + std::to_string(row) + " 656 " + y + " 10 right kind=amount\n";
            d += "field N" + std::to_string(row) + " 305 " + y + " 12 pitch=18\n";
        }
    }
    return d;
}

struct Fixture {
    QTemporaryDir dir;
    TParser engine;
    TPrintManage manager;
    Fixture()
    {
        QDir().mkpath(dir.path() + "/Wzorce");
        for (const auto& page : GeneratePattern(FourPages()).Pages) {
            const std::string base = dir.path().toStdString() + "/Wzorce/" + page.FileBase;
            WriteFileAtomic(base + ".wmf", page.Wmf);
            WriteFileAtomic(base + ".fff", page.Fff);
        }
        for (int i = 0; i < 30; ++i) {
            // Appended, not "F" + to_string(i): GCC 12 misreads that temporary in an optimised build.
            const std::string number = std::to_string(i);
            engine.SetVar(std::string("F").append(number), Value::MakeFloat(1234.56 * i));
            engine.SetVar(std::string("N").append(number), Value::MakeText("1234567890"));
        }
        engine.BaseDir = dir.path().toStdString() + "/";
        manager.OpenPattern(engine.BaseDir + "Wzorce/BENCH", nullptr, 1.0, engine);
    }
};

Fixture& Shared()
{
    static Fixture fixture;
    return fixture;
}

void BM_PreviewPageAtZoom1(benchmark::State& state)
{
    for (auto _ : state)
        Shared().manager.RenderPreview(Shared().engine, 1.0);
}
BENCHMARK(BM_PreviewPageAtZoom1)->Unit(benchmark::kMillisecond);

void BM_ZoomStep(benchmark::State& state)
{
    double zoom = 1.0;
    for (auto _ : state) {
        zoom = zoom >= 2 ? 1.0 : zoom * 1.2;
        Shared().manager.RenderPreview(Shared().engine, zoom);
    }
}
BENCHMARK(BM_ZoomStep)->Unit(benchmark::kMillisecond);

void BM_FourPagesToPdf(benchmark::State& state)
{
    const QString path = Shared().dir.path() + "/bench.pdf";
    for (auto _ : state)
        benchmark::DoNotOptimize(Shared().manager.WritePdf(Shared().engine, path));
}
BENCHMARK(BM_FourPagesToPdf)->Unit(benchmark::kMillisecond);

} // namespace
