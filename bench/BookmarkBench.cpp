// Reading and writing generated bookmark files of about 1 MB, 10 MB and
// 20 MB, reading the same entries declared as UTF-8 and as Shift_JIS, and
// the reference reader on the 1 MB file. Prints Google Benchmark's table,
// then a summary: MB/s, how time grows with size and what a declaration
// costs. Each figure is the best of five repetitions, since the machine is
// shared. Exits non-zero when the reader and the reference disagree.
#include "core/collection/BookmarkReader.h"
#include "core/collection/BookmarkWriter.h"
#include "core/collection/CollectionNodeList.h"
#include "core/collection/CollectionStore.h"
#include "tests/core/collection/BookmarkGenerator.h"
#include "tests/core/collection/ReferenceReader.h"
#include "tests/core/collection/TreeDump.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

namespace {

const std::size_t kMegabyte = 1 << 20;

// The same entries in every character set: about bytes of them undeclared.
const std::string& GeneratedFile(std::size_t bytes, BookmarkCharset charset = BookmarkCharset::kUndeclared)
{
    static std::map<std::pair<std::size_t, BookmarkCharset>, std::string> files;
    std::string& file = files[{bytes, charset}];
    if (file.empty())
        file = GenerateBookmarkFile(bytes, 7, charset);
    return file;
}

class BenchStore : public CollectionStore {
public:
    BenchStore() : CollectionStore([](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }) {}
};

std::string PutInTempFile(std::size_t bytes)
{
    const std::string path =
        (std::filesystem::temp_directory_path() / ("quenvo-bench-" + std::to_string(bytes) + ".htm")).string();
    const std::string& text = GeneratedFile(bytes);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
    return path;
}

void Count(benchmark::State& state, std::size_t bytes)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["file_bytes"] = static_cast<double>(bytes);
}

void ReadIn(benchmark::State& state, std::size_t bytes, BookmarkCharset charset)
{
    const std::string& text = GeneratedFile(bytes, charset);
    CollectionNodeList list;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BookmarkReader::Read(text, list));
        state.PauseTiming();
        list.Clear();
        state.ResumeTiming();
    }
    Count(state, text.size());
}

void Read(benchmark::State& state, std::size_t bytes)
{
    ReadIn(state, bytes, BookmarkCharset::kUndeclared);
}

void ReadUtf8(benchmark::State& state, std::size_t bytes)
{
    ReadIn(state, bytes, BookmarkCharset::kUtf8);
}

void ReadShiftJis(benchmark::State& state, std::size_t bytes)
{
    ReadIn(state, bytes, BookmarkCharset::kShiftJis);
}

void Write(benchmark::State& state, std::size_t bytes)
{
    CollectionNodeList tree;
    BookmarkReader::Read(GeneratedFile(bytes), tree);
    // One buffer for all runs: its growth is the allocator's cost, not the
    // writer's.
    std::string out;
    for (auto _ : state) {
        BookmarkWriter::Write(&tree, out);
        benchmark::DoNotOptimize(out.data());
    }
    Count(state, out.size());
}

// Through the file system: read from disk and replace the old tree, or
// written to ".tmp", flushed to disk and put in place.
void LoadFile(benchmark::State& state, std::size_t bytes)
{
    const std::string path = PutInTempFile(bytes);
    BenchStore store;
    for (auto _ : state)
        benchmark::DoNotOptimize(store.LoadFile(path, nullptr));
    Count(state, GeneratedFile(bytes).size());
    std::remove(path.c_str());
}

void SaveFile(benchmark::State& state, std::size_t bytes)
{
    const std::string path = PutInTempFile(bytes);
    BenchStore store;
    store.LoadFile(path, nullptr);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.SaveFile());
    Count(state, std::filesystem::file_size(path));
    std::remove(path.c_str());
}

// The reference's tree from its run, to check the reader against.
std::string referenceTree;

void Reference(benchmark::State& state, std::size_t bytes)
{
    const std::string& text = GeneratedFile(bytes);
    CollectionNodeList list;
    for (auto _ : state) {
        list.Clear();
        benchmark::DoNotOptimize(ReferenceRead(text, list));
    }
    Count(state, text.size());
    referenceTree = DumpTree(&list);
}

double Smallest(const std::vector<double>& values)
{
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

// Keeps the best repetition of each benchmark for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    SummaryReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred || (run.run_type == Run::RT_Aggregate && run.aggregate_name != "best"))
                continue;
            Figures& figures = figures_[run.run_name.function_name];
            figures.seconds = run.GetAdjustedRealTime() / 1000;
            auto bytes = run.counters.find("file_bytes");
            figures.bytes = bytes == run.counters.end() ? 0 : bytes->second.value;
        }
    }

    void PrintSummary() const
    {
        std::printf("\nSummary, best of the repetitions (MB = 10^6 bytes)\n");
        for (const char* kind : {"Read", "Write", "LoadFile", "SaveFile"}) {
            const Figures small = Get(kind, 1);
            const Figures large = Get(kind, 10);
            if (small.seconds > 0 && large.seconds > 0)
                std::printf("  %-9s  1 MB: %7.1f MB/s  10 MB: %7.1f MB/s  time 10 MB / 1 MB: %5.1f for %.1f times the bytes\n",
                            kind, small.Rate(), large.Rate(), large.seconds / small.seconds, large.bytes / small.bytes);
        }
        for (const char* kind : {"Read", "Write"}) {
            const Figures ten = Get(kind, 10);
            const Figures twenty = Get(kind, 20);
            if (ten.seconds > 0 && twenty.seconds > 0)
                std::printf("  %-9s 20 MB: %7.1f MB/s  time 20 MB / 10 MB: %5.1f for %.1f times the bytes\n", kind,
                            twenty.Rate(), twenty.seconds / ten.seconds, twenty.bytes / ten.bytes);
        }
        const Figures undeclared = Get("Read", 10);
        for (const char* kind : {"ReadUtf8", "ReadShiftJis"}) {
            const Figures declared = Get(kind, 10);
            if (undeclared.seconds > 0 && declared.seconds > 0)
                std::printf("  %-12s 10 MB of entries: %6.1f ms, %.2f times the %.1f ms undeclared (%.1f MB)\n",
                            kind, declared.seconds * 1000, declared.seconds / undeclared.seconds,
                            undeclared.seconds * 1000, declared.bytes / 1e6);
        }
        const Figures reference = Get("Reference", 1);
        const Figures read = Get("Read", 1);
        if (reference.seconds > 0 && read.seconds > 0)
            std::printf("  Reference  1 MB: %.0f ms (%.1f MB/s), %.0f times the reader's %.2f ms\n",
                        reference.seconds * 1000, reference.Rate(), reference.seconds / read.seconds,
                        read.seconds * 1000);
    }

private:
    struct Figures {
        double seconds = 0;
        double bytes = 0;
        double Rate() const { return bytes / seconds / 1e6; }
    };

    Figures Get(const std::string& kind, int megabytes) const
    {
        auto found = figures_.find(kind + "/" + std::to_string(megabytes) + "MB");
        return found == figures_.end() ? Figures() : found->second;
    }

    std::map<std::string, Figures> figures_;
};

void Register(const std::string& kind, void (*function)(benchmark::State&, std::size_t), int megabytes)
{
    benchmark::RegisterBenchmark((kind + "/" + std::to_string(megabytes) + "MB").c_str(), function,
                                 megabytes * kMegabyte)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("best", Smallest);
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    for (int megabytes : {1, 10}) {
        for (const auto& [kind, function] :
             {std::make_pair("Read", Read), std::make_pair("ReadUtf8", ReadUtf8),
              std::make_pair("ReadShiftJis", ReadShiftJis), std::make_pair("Write", Write),
              std::make_pair("LoadFile", LoadFile), std::make_pair("SaveFile", SaveFile)})
            Register(kind, function, megabytes);
    }
    // From 1 MB to 10 MB the tree outgrows the caches; from 10 MB to 20 MB
    // only the size changes.
    Register("Read", Read, 20);
    Register("Write", Write, 20);
    // Quadratic: one run says enough.
    benchmark::RegisterBenchmark("Reference/1MB", Reference, kMegabyte)->Unit(benchmark::kMillisecond)->Iterations(1);

    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintSummary();
    // The reference knows no character sets: it is compared on a file
    // declaring none.
    bool same = true;
    if (!referenceTree.empty()) {
        CollectionNodeList tree;
        same = BookmarkReader::Read(GeneratedFile(kMegabyte), tree) && DumpTree(&tree) == referenceTree;
        std::printf("  reader and reference give the same tree for the undeclared 1 MB file: %s\n",
                    same ? "yes" : "NO");
    }
    benchmark::Shutdown();
    return same ? 0 : 1;
}
