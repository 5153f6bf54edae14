// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The import of a Day One export of twenty years (three entries a day, about 9 MB of JSON) against
// writing the very same entry files through the save step alone, side by side in one run; with
// the import's peak memory over the JSON's size. MARROWLEAF_IMPORT_BENCH_YEARS makes it shorter.
// And a hostile export: a zip of a few kilobytes holding ten million empty records, whose plan
// must arrive with the process under 1 GiB (MARROWLEAF_IMPORT_BENCH_EMPTY_RECORDS makes it
// smaller).
#include <benchmark/benchmark.h>
#include <zip.h>

#include <QDate>
#include <QTimeZone>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "benchinputs.h"
#include "engines/import/writer.h"
#include "entries/entryfiles.h"
#include "entries/history.h"

namespace {

long long EmptyRecords() {
  const char* records = std::getenv("MARROWLEAF_IMPORT_BENCH_EMPTY_RECORDS");
  return records != nullptr && std::atoll(records) > 0 ? std::atoll(records) : 10000000;
}

int Years() {
  const char* years = std::getenv("MARROWLEAF_IMPORT_BENCH_YEARS");
  return years != nullptr && std::atoi(years) > 0 ? std::atoi(years) : 20;
}

// Written as it is generated, so that the JSON is never in memory while the baseline is taken.
struct Export {
  std::string folder;
  size_t jsonBytes = 0;
  size_t entries = 0;
};

const Export& DayOneExport() {
  static const Export made = [] {
    Export e;
    e.folder = benchinputs::Folder() + "/export";
    std::filesystem::create_directories(e.folder);
    const std::string path = e.folder + "/Journal.json";
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) std::abort();
    std::fputs("{\"metadata\":{\"version\":\"1.0\"},\"entries\":[", out);
    const QDate first(2005, 1, 1);
    const QDate end = first.addYears(Years());
    const char* const zones[] = {"Asia/Tokyo", "Europe/Berlin", "America/New_York"};
    const char* const hours[] = {"06", "12", "21"};
    for (QDate day = first; day < end; day = day.addDays(1)) {
      for (int i = 0; i < 3; ++i) {
        const std::string date = day.toString(Qt::ISODate).toStdString();
        std::fprintf(out,
                     "%s{\"uuid\":\"%032zX\",\"creationDate\":\"%sT%s:15:00Z\",\"timeZone\":\"%s\","
                     "\"starred\":%s,\"tags\":[\"daily\",\"entry%d\"],\"text\":\"# Entry %zu of "
                     "%s\\n\\nWoke early and wrote this before the day began: the weather, the "
                     "plans, a line about the people met yesterday and what was read in the "
                     "evening. A second sentence so that the entry is the length of a short "
                     "paragraph written by hand.\"}",
                     e.entries == 0 ? "" : ",", e.entries, date.c_str(), hours[i], zones[i],
                     i == 0 ? "true" : "false", i, e.entries, date.c_str());
        ++e.entries;
      }
    }
    std::fputs("]}", out);
    std::fclose(out);
    e.jsonBytes = std::filesystem::file_size(path);
    return e;
  }();
  return made;
}

std::string FreshDiary(const char* name) {
  const std::string dir = benchinputs::Folder() + '/' + name;
  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);
  std::filesystem::create_directories(dir);
  return dir;
}

// The resident set now and at its peak since ResetPeak(), in bytes (Linux).
size_t StatusBytes(const char* field) {
  const long kib = benchinputs::StatusKib(field);
  return kib < 0 ? 0 : static_cast<size_t>(kib) * 1024;
}
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

marrowleaf::import::Applied ImportOnce(const std::string& diary) {
  using namespace marrowleaf::import;
  const Source source = ReadSource(DayOneExport().folder);
  const Plan plan = MakePlan(diary, source, {QStringLiteral("Journal")}, 0);
  return ApplyPlan(diary, source, plan);
}

void ImportDayOne(benchmark::State& state) {
  const Export& input = DayOneExport();
  size_t peak = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const std::string diary = FreshDiary("imported");
    ResetPeak();
    const size_t before = StatusBytes("VmRSS:");
    state.ResumeTiming();
    const marrowleaf::import::Applied applied = ImportOnce(diary);
    state.PauseTiming();
    peak = std::max(peak, StatusBytes("VmHWM:") - before);
    if (!applied.failures.empty()) state.SkipWithError("an entry could not be written");
    state.counters["days"] = static_cast<double>(applied.written);
    state.ResumeTiming();
  }
  state.counters["entries"] = static_cast<double>(input.entries);
  state.counters["json_MB"] = static_cast<double>(input.jsonBytes) / 1e6;
  state.counters["peak_MB"] = static_cast<double>(peak) / 1e6;
  state.counters["peak_per_json"] =
      static_cast<double>(peak) / static_cast<double>(input.jsonBytes);
}

// The same files the import writes, each through the window's save step: the entry made, then
// its text saved over it keeping its history.
void SavePathAlone(benchmark::State& state) {
  const std::string imported = FreshDiary("model");
  ImportOnce(imported);
  std::map<std::string, std::string> texts;
  for (const auto& item : std::filesystem::recursive_directory_iterator(imported)) {
    if (!item.is_regular_file()) continue;
    std::ifstream in(item.path(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    bytes.pop_back();  // the NUL
    texts[item.path().string()] = std::move(bytes);
  }
  for (auto _ : state) {
    state.PauseTiming();
    const std::string diary = FreshDiary("saved");
    state.ResumeTiming();
    for (const auto& [path, text] : texts) {
      const std::optional<marrowleaf::EntryKey> key = marrowleaf::ParseEntryPath(path);
      marrowleaf::CreateMissingEntry(diary, *key);
      benchmark::DoNotOptimize(marrowleaf::SaveEntryKeepingHistory(diary, *key, text).entry.ok);
    }
  }
  state.counters["days"] = static_cast<double>(texts.size());
}

// {"entries":[{},{},…]} in a zip, compressed as far as the archive allows.
struct HostileZip {
  std::string path;
  size_t zipBytes = 0;
  size_t jsonBytes = 0;
};

HostileZip EmptyRecordsZip() {
  HostileZip made;
  made.path = benchinputs::Folder() + "/empty-records.zip";
  std::string json = "{\"entries\":[{}";
  json.reserve(static_cast<size_t>(EmptyRecords()) * 3 + 16);
  for (long long i = 1; i < EmptyRecords(); ++i) json += ",{}";
  json += "]}";
  made.jsonBytes = json.size();
  int error = 0;
  zip_t* archive = zip_open(made.path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  zip_source_t* member =
      archive == nullptr ? nullptr : zip_source_buffer(archive, json.data(), json.size(), 0);
  const zip_int64_t index =
      member == nullptr ? -1 : zip_file_add(archive, "Journal.json", member, ZIP_FL_OVERWRITE);
  if (index < 0) std::abort();
  zip_set_file_compression(
      archive, static_cast<zip_uint64_t>(index),
      zip_compression_method_supported(ZIP_CM_BZIP2, 1) ? ZIP_CM_BZIP2 : ZIP_CM_DEFLATE, 9);
  if (zip_close(archive) != 0) std::abort();
  made.zipBytes = std::filesystem::file_size(made.path);
  return made;
}

// The source read and planned, as the window does before it shows the plan: the peak is the
// whole process's, which must stay under 1 GiB.
void PlanOfEmptyRecords(benchmark::State& state) {
  const HostileZip input = EmptyRecordsZip();
  const std::string diary = FreshDiary("hostile");
  size_t peak = 0;
  size_t counted = 0;
  size_t kept = 0;
  for (auto _ : state) {
    ResetPeak();
    const marrowleaf::import::Source source = marrowleaf::import::ReadSource(input.path);
    const marrowleaf::import::Plan plan =
        marrowleaf::import::MakePlan(diary, source, {QStringLiteral("Journal")}, 0);
    benchmark::DoNotOptimize(plan.days.size());
    peak = std::max(peak, StatusBytes("VmHWM:"));
    counted = source.Count(marrowleaf::import::Problem::kBadDate);
    kept = source.issues.size();
  }
  state.counters["records"] = static_cast<double>(EmptyRecords());
  state.counters["zip_KB"] = static_cast<double>(input.zipBytes) / 1e3;
  state.counters["json_MB"] = static_cast<double>(input.jsonBytes) / 1e6;
  state.counters["issues_counted"] = static_cast<double>(counted);
  state.counters["issues_kept"] = static_cast<double>(kept);
  state.counters["peak_MB"] = static_cast<double>(peak) / 1e6;
  state.counters["peak_per_json"] =
      static_cast<double>(peak) / static_cast<double>(input.jsonBytes);
  if (peak >= (size_t{1} << 30)) state.SkipWithError("the process passed 1 GiB");
  if (counted != static_cast<size_t>(EmptyRecords())) state.SkipWithError("records not counted");
}

}  // namespace

// Import first: its peak is measured before anything else of the run grew the process.
BENCHMARK(ImportDayOne)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SavePathAlone)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(PlanOfEmptyRecords)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
