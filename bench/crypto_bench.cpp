// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Encryption at rest against its plain baseline, side by side in one run: sealing and opening
// against copying the same bytes, a day's entry written sealed against written plain through the
// same atomic writer, a month of entries read sealed against read plain, an attachment sealed in
// pieces against copied, the whole twenty-year diary encrypted against rewritten plain; and how
// long unlocking a key file takes at the cost measured here.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "benchinputs.h"
#include "crypto/keyfile.h"
#include "crypto/sealedfiles.h"
#include "crypto/sealing.h"
#include "engines/encryption/conversion.h"
#include "entries/entrykey.h"

namespace {

using namespace marrowleaf;

const DiaryKeys& Keys() {
  static const DiaryKeys keys = [] {
    DiaryKeys k;
    k.Add(DiaryKey::Generate());
    return k;
  }();
  return keys;
}

std::string Text(size_t size) {
  std::string text;
  for (size_t i = 0; text.size() < size; ++i) text += "line " + std::to_string(i) + " of a day\n";
  text.resize(size);
  return text;
}

void Copy(benchmark::State& state) {
  const std::string text = Text(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    std::string copy(text.size(), '\0');
    std::memcpy(copy.data(), text.data(), text.size());
    benchmark::DoNotOptimize(copy.data());
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void Seal(benchmark::State& state) {
  const std::string text = Text(static_cast<size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(SealBytes(*Keys().Sealing(), text).size());
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void Open(benchmark::State& state) {
  const std::string sealed =
      SealBytes(*Keys().Sealing(), Text(static_cast<size_t>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(OpenBytes(Keys(), sealed).bytes.size());
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

// A 4 KiB entry that changes at every save, through the atomic writer.
void Save(benchmark::State& state, bool sealed) {
  const std::string path = benchinputs::Folder() + (sealed ? "/sealed.txt" : "/plain.txt");
  std::string text = Text(4096);
  size_t round = 0;
  for (auto _ : state) {
    text[round++ % text.size()] ^= 1;
    if (sealed) {
      benchmark::DoNotOptimize(SaveSealed(path, Keys(), text).written);
    } else {
      benchmark::DoNotOptimize(ReplaceFileContents(path, text).ok);
    }
  }
}

// A month of three tabs' entries of 1 KiB, each file read whole: what Find and the look back do
// for every entry of the diary.
std::string MonthFolder(bool sealed) {
  const std::string dir = benchinputs::Folder() + (sealed ? "/sealed" : "/plain");
  if (!IsDirectory(dir)) {
    MakePrivateDirectories(dir);
    for (int i = 0; i < 93; ++i) {
      const std::string text = Text(1024);
      benchinputs::Write(dir + '/' + std::to_string(i),
                         sealed ? SealBytes(*Keys().Sealing(), text) : text);
    }
  }
  return dir;
}

void ReadMonth(benchmark::State& state, bool sealed) {
  const std::string dir = MonthFolder(sealed);
  const DiaryKeys none;
  for (auto _ : state) {
    for (int i = 0; i < 93; ++i) {
      benchmark::DoNotOptimize(
          ReadDiaryFile(dir + '/' + std::to_string(i), sealed ? Keys() : none).bytes.size());
    }
  }
}

// A 16 MiB picture into the diary: sealed in pieces, or copied through the same writer.
void Attachment(benchmark::State& state, bool sealed) {
  const std::string source = benchinputs::Folder() + "/picture.jpg";
  const std::string target = benchinputs::Folder() + "/attachment.jpg";
  benchinputs::Write(source, Text(16u << 20));
  for (auto _ : state) {
    if (sealed) {
      benchmark::DoNotOptimize(SealFile(*Keys().Sealing(), source, target).ok);
    } else {
      ExclusiveFile in(source, ExclusiveFile::Access::kRead);
      ReplacingFile out(target);
      in.ReadPieces([&](std::string_view piece) { return out.Write(piece); });
      benchmark::DoNotOptimize(out.Commit().ok);
    }
  }
  state.SetBytesProcessed(state.iterations() * (int64_t{16} << 20));
}

// Encrypting the look back's twenty-year diary (21,915 entries) as File, Encryption… does it,
// against rewriting the same files through the atomic writer alone: each listed, read and
// written back unchanged. Every round starts from the plain diary: the conversion's is
// decrypted again, untimed.
void EncryptDiary(benchmark::State& state) {
  const std::string root = benchinputs::Folder() + "/encrypted";
  benchinputs::WriteYearsDiary(root);
  const std::atomic<bool> cancelled{false};
  size_t converted = 0;
  for (auto _ : state) {
    HoldKeys(root, benchinputs::SealingKeys());
    const ConversionReport report = ConvertDiary(root, Conversion::kEncrypt, {}, cancelled);
    state.PauseTiming();
    converted = report.converted;
    if (!report.complete) state.SkipWithError("the diary was not encrypted whole");
    HoldKeys(root, benchinputs::SealingKeys(), false);
    if (!ConvertDiary(root, Conversion::kDecrypt, {}, cancelled).complete) {
      state.SkipWithError("the diary was not decrypted again");
    }
    state.ResumeTiming();
  }
  ReleaseKeys(root);
  state.counters["files"] = static_cast<double>(converted);
}

void RewriteDiary(benchmark::State& state) {
  const std::string root = benchinputs::Folder() + "/rewritten";
  benchinputs::WriteYearsDiary(root);
  size_t rewritten = 0;
  for (auto _ : state) {
    rewritten = 0;
    for (const auto& [year, month] : DiaryMonths(root, Order::kOldestFirst)) {
      const std::string folder = MonthDirectory(root, year, month);
      std::vector<std::string> paths;
      ListFolder(
          folder, [](std::string_view) { return true; },
          [&](std::string_view name, bool regular) {
            if (regular) paths.push_back(folder + '/' + std::string(name));
          });
      for (const std::string& path : paths) {
        const WholeFile file = ReadWholeFile(path);
        if (!file.complete ||
            !ReplaceFileContents(path, std::string_view(file.bytes.get(), file.size)).ok) {
          state.SkipWithError("a file was not rewritten");
        }
        ++rewritten;
      }
    }
  }
  state.counters["files"] = static_cast<double>(rewritten);
}

// The cost a new key file gets on this machine, and what unlocking with it then takes.
const KeyCost& MeasuredCost() {
  static const KeyCost cost = MeasureKeyCost();
  return cost;
}

void MeasureCost(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(MeasureKeyCost().passes);
}

void Unlock(benchmark::State& state) {
  const KeyCost& cost = MeasuredCost();
  const std::string path = benchinputs::Folder() + "/" + kKeyFileName;
  benchinputs::Write(path, WrapKey(*Keys().Sealing(), QStringLiteral("password"), cost));
  for (auto _ : state) {
    benchmark::DoNotOptimize(UnlockKeyFile(path, QStringLiteral("password")).result);
  }
  state.counters["passes"] = static_cast<double>(cost.passes);
  state.counters["memory_mib"] = static_cast<double>(cost.memoryBytes >> 20);
}

}  // namespace

BENCHMARK(Copy)->Name("bytes/copy/4k")->Arg(4096);
BENCHMARK(Seal)->Name("bytes/seal/4k")->Arg(4096);
BENCHMARK(Open)->Name("bytes/open/4k")->Arg(4096);
BENCHMARK(Copy)->Name("bytes/copy/10m")->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(Seal)->Name("bytes/seal/10m")->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(Open)->Name("bytes/open/10m")->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Save, plain, false)->Name("save/plain")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Save, sealed, true)->Name("save/sealed")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadMonth, plain, false)->Name("read_month/plain")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadMonth, sealed, true)
    ->Name("read_month/sealed")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Attachment, copied, false)
    ->Name("attachment/copied")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Attachment, sealed, true)
    ->Name("attachment/sealed")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(RewriteDiary)
    ->Name("whole_diary/rewritten")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(EncryptDiary)
    ->Name("whole_diary/encrypted")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(MeasureCost)->Name("key/measure")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Unlock)->Name("key/unlock")->Iterations(3)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
