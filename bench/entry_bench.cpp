// Entry files in the core against the raw floor: reading and writing the same 10 MiB.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <string>

#include "benchinputs.h"
#include "entries/entryfiles.h"

namespace {

constexpr size_t kSize = 10u << 20;

const std::string& Text() {
  static const std::string text = [] {
    std::string t(kSize, 'x');
    for (size_t i = 63; i < t.size(); i += 64) t[i] = '\n';
    return t;
  }();
  return text;
}

std::string EntryFile() {
  static const std::string path = [] {
    const std::string p = benchinputs::Folder() + "/8_0.txt";
    benchinputs::Write(p, Text() + '\0');
    return p;
  }();
  return path;
}

void EntryRead(benchmark::State& state) {
  const std::string path = EntryFile();
  for (auto _ : state) benchmark::DoNotOptimize(marrowleaf::ReadEntryFile(path).text.size());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}

void RawRead(benchmark::State& state) {
  const std::string path = EntryFile();
  for (auto _ : state) {
    std::string bytes(kSize + 1, '\0');
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    size_t used = 0;
    for (ssize_t n; (n = ::read(fd, bytes.data() + used, bytes.size() - used)) > 0;) {
      used += static_cast<size_t>(n);
    }
    ::close(fd);
    benchmark::DoNotOptimize(used);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}

void EntryWrite(benchmark::State& state) {
  const std::string path = EntryFile();
  for (auto _ : state) benchmark::DoNotOptimize(marrowleaf::WriteEntryFile(path, Text()).ok);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}

// The same bytes written in place, flushed to disk like every save.
void RawWrite(benchmark::State& state) {
  const std::string path = benchinputs::Folder() + "/raw.txt";
  for (auto _ : state) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    benchmark::DoNotOptimize(::write(fd, Text().data(), Text().size() + 0));
    benchmark::DoNotOptimize(::write(fd, "", 1));
    ::fsync(fd);
    ::close(fd);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}

}  // namespace

BENCHMARK(EntryRead)->Name("entry_io/read/marrowleaf")->Unit(benchmark::kMillisecond);
BENCHMARK(RawRead)->Name("entry_io/read/raw")->Unit(benchmark::kMillisecond);
BENCHMARK(EntryWrite)->Name("entry_io/write/marrowleaf")->Unit(benchmark::kMillisecond);
BENCHMARK(RawWrite)->Name("entry_io/write/raw")->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
