// SPDX-License-Identifier: GPL-3.0-or-later
// batch DIR|FILE.lst --out DIR [--xml] [--pdf] [--jobs N] [--summary FILE.csv]: a folder or a
// list of declarations replayed on worker threads into their XML and PDF files, with a summary.
// The script set is loaded once; every declaration gets an engine of its own.
#include "cli/Batch.h"
#include "cli/CliCommands.h"

#include "foundation/Cp1250.h"
#include "foundation/TextFile.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace taxilo::cli {
namespace {

struct BatchOptions {
    std::string Source, OutDir, Summary;
    bool Xml = false, Pdf = false;
    unsigned Jobs = 0;
};

// Ctrl+C ends the batch between declarations: the ones running finish their files, so none
// is left half-written, and the summary says which were not reached.
std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void OnInterrupt(int)
{
    interrupted.store(true);
}

class InterruptGuard {
public:
    InterruptGuard()
    {
        interrupted.store(false);
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        action.sa_flags = SA_RESTART; // a write in progress goes on and completes
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &previousInt_);
        sigaction(SIGTERM, &action, &previousTerm_);
    }
    ~InterruptGuard()
    {
        sigaction(SIGINT, &previousInt_, nullptr);
        sigaction(SIGTERM, &previousTerm_, nullptr);
    }

private:
    struct sigaction previousInt_ {};
    struct sigaction previousTerm_ {};
};

// Arguments arrive in Windows-1250; paths are used as typed (UTF-8).
std::string ParseOptions(const std::vector<std::string>& args, BatchOptions& options)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = arg == "--out" || arg == "--jobs" || arg == "--summary";
        if (takesValue && i + 1 >= args.size())
            return "option " + arg + " needs a value";
        if (arg == "--xml")
            options.Xml = true;
        else if (arg == "--pdf")
            options.Pdf = true;
        else if (arg == "--out")
            options.OutDir = Cp1250::ToUtf8(args[++i]);
        else if (arg == "--summary")
            options.Summary = Cp1250::ToUtf8(args[++i]);
        else if (arg == "--jobs") {
            const std::string value = args[++i];
            char* end = nullptr;
            const long jobs = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || jobs < 1 || jobs > 256)
                return "--jobs needs a whole number from 1 to 256, got: " + Cp1250::ToUtf8(value);
            options.Jobs = static_cast<unsigned>(jobs);
        } else if (!arg.empty() && arg[0] == '-' && arg != "-")
            return "unknown option: " + Cp1250::ToUtf8(arg);
        else if (options.Source.empty())
            options.Source = Cp1250::ToUtf8(arg);
        else
            return "only one folder or list of declarations, got also: " + Cp1250::ToUtf8(arg);
    }
    if (options.Source.empty())
        return "the folder or list of declarations is missing";
    if (options.OutDir.empty())
        return "--out DIR is missing";
    if (!options.Xml && !options.Pdf)
        options.Xml = true; // the e-declarations are what a batch is for
    if (options.Jobs == 0)
        options.Jobs = std::max(1u, std::thread::hardware_concurrency());
    return {};
}

std::string Clock(double seconds)
{
    const long total = static_cast<long>(seconds + 0.5);
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld", total / 60, total % 60);
    return text;
}

// The declarations handed out one by one to the workers; rows land at their input's index,
// so the result does not depend on which worker took what.
class WorkQueue {
public:
    WorkQueue(const BatchShared& shared, const std::vector<BatchInput>& inputs)
        : shared_(shared)
        , inputs_(inputs)
        , rows_(inputs.size())
        , done_(inputs.size(), false)
    {
    }

    void Work()
    {
        for (;;) {
            if (interrupted.load())
                return;
            const size_t index = next_.fetch_add(1);
            if (index >= inputs_.size())
                return;
            BatchRow row = ProcessDeclaration(shared_, inputs_[index]);
            std::lock_guard lock(mutex_);
            rows_[index] = std::move(row);
            done_[index] = true;
            ++finished_;
            changed_.notify_all();
        }
    }

    // Waits until every worker ended; on a terminal, a progress line meanwhile.
    void Follow(std::vector<std::thread>& workers, bool progress)
    {
        const auto start = std::chrono::steady_clock::now();
        std::unique_lock lock(mutex_);
        while (progress && finished_ < inputs_.size() && !interrupted.load()) {
            changed_.wait_for(lock, std::chrono::milliseconds(200));
            const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            const double rate = seconds > 0 ? finished_ / seconds : 0;
            const double left = rate > 0 ? (inputs_.size() - finished_) / rate : 0;
            std::string perSecond = std::to_string(static_cast<long>(rate * 10 + 0.5) / 10) + "," +
                std::to_string(static_cast<long>(rate * 10 + 0.5) % 10);
            std::fprintf(stderr, "\r%zu/%zu zeznań, %s na sekundę, zostało %s   ", finished_, inputs_.size(),
                         perSecond.c_str(), Clock(left).c_str());
        }
        lock.unlock();
        for (auto& worker : workers)
            worker.join();
        if (progress)
            std::fprintf(stderr, "\r%zu/%zu zeznań%40s\n", finished_, inputs_.size(), "");
    }

    // Rows in input order; the ones never reached say so.
    std::vector<BatchRow> Rows() const
    {
        std::vector<BatchRow> rows = rows_;
        for (size_t i = 0; i < rows.size(); ++i)
            if (!done_[i])
                rows[i] = NotProcessedRow();
        return rows;
    }
    size_t Finished() const { return finished_; }

private:
    const BatchShared& shared_;
    const std::vector<BatchInput>& inputs_;
    std::atomic<size_t> next_{0};
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<BatchRow> rows_;
    std::vector<bool> done_;
    size_t finished_ = 0;
};

int Batch(CliContext& context, const std::vector<std::string>& args)
{
    BatchOptions options;
    if (const std::string error = ParseOptions(args, options); !error.empty())
        return Fail("batch: " + error);
    BatchShared shared;
    std::shared_ptr<void> printing;
    if (options.Pdf) {
        shared.Pdf = RegisteredPdfComposer();
        if (!shared.Pdf)
            return Fail("batch --pdf: this build of taxilo-cli has no printing part");
        printing = shared.Pdf->Prepare();
    }
    shared.Xml = options.Xml;
    std::error_code ec;
    std::filesystem::create_directories(options.OutDir, ec);
    if (!std::filesystem::is_directory(options.OutDir))
        return Fail("batch: cannot create the output folder " + options.OutDir);
    shared.OutDir = options.OutDir.back() == '/' ? options.OutDir : options.OutDir + "/";

    std::vector<BatchInput> inputs;
    try {
        inputs = CollectInputs(options.Source);
    } catch (const std::runtime_error& e) {
        return Fail(std::string("batch: ") + e.what());
    }
    PrepareShared(shared, context.baseDir);

    InterruptGuard guard;
    WorkQueue queue(shared, inputs);
    std::vector<std::thread> workers;
    const size_t count = std::min<size_t>(options.Jobs, std::max<size_t>(inputs.size(), 1));
    for (size_t i = 0; i < count; ++i)
        workers.emplace_back([&queue] { queue.Work(); });
    queue.Follow(workers, ::isatty(STDERR_FILENO) == 1);

    const auto rows = queue.Rows();
    if (!options.Summary.empty())
        WriteFileAtomic(options.Summary, SummaryCsv(inputs, rows));
    size_t failed = 0;
    for (const auto& row : rows)
        failed += row.Ok ? 0 : 1;
    if (interrupted.load()) {
        std::cerr << "taxilo-cli: batch interrupted after " << queue.Finished() << " of " << inputs.size()
                  << " declarations\n";
        return 130;
    }
    if (failed > 0)
        std::cerr << "taxilo-cli: batch: " << failed << " of " << inputs.size() << " declarations failed\n";
    return failed > 0 ? 1 : 0;
}

const bool registered = RegisterCommand(
    {"batch", "batch DIR|FILE.lst --out DIR [--xml] [--pdf] [--jobs N] [--summary FILE.csv]", 1, Batch});

} // namespace
} // namespace taxilo::cli
