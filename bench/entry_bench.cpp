// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Entry files in the core against the raw floor: reading and writing the same 10 MiB.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QDate>
#include <QLocale>
#include <atomic>
#include <cstdlib>
#include <string>

#include "benchinputs.h"
#include "engines/lookback/lookback.h"
#include "engines/search/search.h"
#include "engines/tags/tagdiary.h"
#include "engines/templates/templates.h"
#include "entries/entryfiles.h"
#include "entries/entrytext.h"
#include "entries/history.h"

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

// The save step's write of a 4 KiB entry that changes at every save, with and without keeping
// the replaced bytes in the history: on the real disk, where a save's flushes are what it costs
// (`disk`), and in memory, where only the calls count.
std::string DiskFolder() {
  static const std::string dir = [] {
    std::string pattern = "/var/tmp/marrowleaf-bench-disk-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    return pattern;
  }();
  return dir;
}

void SaveStep(benchmark::State& state, bool history, bool disk) {
  const std::string saveDir =
      (disk ? DiskFolder() : benchinputs::Folder()) + (history ? "/with" : "/without");
  const marrowleaf::EntryKey key{2004, 3, 7, 0};
  marrowleaf::MakePrivateDirectories(saveDir);
  marrowleaf::CreateMissingEntry(saveDir, key);
  const std::string path = marrowleaf::EntryPath(saveDir, key);
  std::string text(4096, 'a');
  size_t round = 0;
  for (auto _ : state) {
    text[round++ % text.size()] ^= 1;  // a different text every time
    if (history) {
      benchmark::DoNotOptimize(marrowleaf::SaveEntryKeepingHistory(saveDir, key, text).entry.ok);
    } else {
      benchmark::DoNotOptimize(marrowleaf::WriteEntryFile(path, text).ok);
    }
  }
}

void SearchOurs(benchmark::State& state, const char* query, bool shiftJis) {
  const std::string root = benchinputs::SearchDiaryFolder(shiftJis);
  const marrowleaf::SearchQuery parsed = marrowleaf::ParseQuery(QString::fromUtf8(query));
  std::atomic<bool> cancelled{false};
  int64_t hits = 0;
  for (auto _ : state) {
    const marrowleaf::DiaryWalk walk(root, marrowleaf::EveryEntry(3), cancelled);
    marrowleaf::SearchDiary(walk, parsed, [&](const marrowleaf::SearchHit&) { ++hits; });
  }
  state.counters["hits"] = static_cast<double>(hits) / static_cast<double>(state.iterations());
}

// Find over the look back's twenty-year diary, plain and encrypted (its key held, as after the
// password): the same search, every sealed entry opened on the walk's threads, whose time the
// processor time counts too.
void SearchYears(benchmark::State& state, const char* query, bool sealed) {
  const std::string root =
      sealed ? benchinputs::SealedYearsDiaryFolder() : benchinputs::YearsDiaryFolder();
  const marrowleaf::SearchQuery parsed = marrowleaf::ParseQuery(QString::fromUtf8(query));
  std::atomic<bool> cancelled{false};
  int64_t hits = 0;
  size_t skipped = 0;
  for (auto _ : state) {
    const marrowleaf::DiaryWalk walk(root, marrowleaf::EveryEntry(3), cancelled);
    marrowleaf::SearchDiary(walk, parsed, [&](const marrowleaf::SearchHit&) { ++hits; });
    skipped += walk.SkipCount();
  }
  if (skipped > 0) state.SkipWithError("entries passed over");
  state.counters["hits"] = static_cast<double>(hits) / static_cast<double>(state.iterations());
}

// grep -rliF for the same word (the first word of a longer query) on the same folder.
void SearchGrep(benchmark::State& state, const char* word, bool shiftJis) {
  const std::string root = benchinputs::SearchDiaryFolder(shiftJis);
  std::string pattern = word;
  if (shiftJis) pattern = "\x89\x4a";  // the kanji of "rain", as the files hold it
  for (auto _ : state) {
    const std::string command = "grep -rliF -- '" + pattern + "' '" + root + "' > /dev/null";
    benchmark::DoNotOptimize(std::system(command.c_str()));
  }
}

// The tag list of the tagged 20-year diary, against grep's count of the same words.
void TagListOurs(benchmark::State& state) {
  const std::string root = benchinputs::TaggedDiaryFolder();
  const std::atomic<bool> cancelled{false};
  for (auto _ : state) {
    const marrowleaf::DiaryWalk walk(root, marrowleaf::EveryEntry(3), cancelled);
    benchmark::DoNotOptimize(marrowleaf::ListDiaryTags(walk).size());
  }
}

void TagListGrep(benchmark::State& state) {
  const std::string root = benchinputs::TaggedDiaryFolder();
  const std::string command =
      "cd '" + root + "' && grep -arhoE '#[[:alnum:]_/-]+' . | sort | uniq -c > /dev/null";
  for (auto _ : state) benchmark::DoNotOptimize(std::system(command.c_str()));
}

// The time until the first row: the newest entry holds the word.
void SearchFirstRow(benchmark::State& state) {
  const std::string root = benchinputs::SearchDiaryFolder(false);
  const marrowleaf::SearchQuery parsed = marrowleaf::ParseQuery(QStringLiteral("entry"));
  for (auto _ : state) {
    std::atomic<bool> cancelled{false};
    const marrowleaf::DiaryWalk walk(root, marrowleaf::EveryEntry(3), cancelled);
    marrowleaf::SearchDiary(walk, parsed, [&](const marrowleaf::SearchHit&) { cancelled = true; });
  }
}

// The look back's statistics of the twenty-year diary (every entry read, its words and
// characters counted, the days and streaks worked out).
void StatisticsOurs(benchmark::State& state) {
  const std::string root = benchinputs::YearsDiaryFolder();
  std::atomic<bool> cancelled{false};
  marrowleaf::DiaryStatistics s;
  for (auto _ : state) {
    const marrowleaf::DiaryWalk walk(
        root, marrowleaf::EveryEntry(3, marrowleaf::Order::kOldestFirst), cancelled);
    s = marrowleaf::DiaryTally::Read(walk).Statistics(QDate(2025, 12, 31));
  }
  state.counters["entries"] = static_cast<double>(s.entries);
  state.counters["words"] = static_cast<double>(s.words);
}

// The same files through cat into wc -w, in the locale given (wc counts multibyte characters
// only in a UTF-8 one).
void StatisticsCatWc(benchmark::State& state, const char* locale) {
  const std::string root = benchinputs::YearsDiaryFolder();
  const std::string command = std::string("cd '") + root + "' && find . -name '*.txt' -print0 | " +
                              "LC_ALL=" + locale + " xargs -0 cat | LC_ALL=" + locale +
                              " wc -w > /dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("cat | wc -w failed");
  }
}

// On this day for every 29th day of the twenty years (29 February among them), straight from
// the files.
void OnThisDayOurs(benchmark::State& state) {
  const std::string root = benchinputs::YearsDiaryFolder();
  std::atomic<bool> cancelled{false};
  QDate date(2026, 1, 1);
  size_t rows = 0;
  for (auto _ : state) {
    const marrowleaf::DiaryWalk walk(root, marrowleaf::OnThisDayScope(3, date), cancelled);
    rows += marrowleaf::OnThisDay(walk, date, 3).size();
    date = date.addDays(29);
  }
  state.counters["rows"] = static_cast<double>(rows) / static_cast<double>(state.iterations());
}

std::string MegabyteOf(const std::string& unit) {
  std::string bytes;
  while (bytes.size() < (1u << 20)) bytes += unit;
  return bytes;
}

void Decode(benchmark::State& state, const std::string& bytes) {
  for (auto _ : state) benchmark::DoNotOptimize(marrowleaf::EntryBytesToText(bytes).text.size());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

// Filling a template: a text of braces alone against ordinary text with its placeholders, the
// same size; and the braces at a tenth of the size, so that the two sizes show the time growing
// with the length alone.
void FillTemplate(benchmark::State& state, const std::string& unit, size_t size) {
  QString text;
  while (static_cast<size_t>(text.size()) < size) text += QString::fromUtf8(unit);
  text.truncate(static_cast<qsizetype>(size));
  const marrowleaf::TemplateValues values = marrowleaf::TemplateValuesFor(
      QDate(2026, 12, 7), QStringLiteral("Diary"), QLocale(QStringLiteral("en_GB")));
  for (auto _ : state) benchmark::DoNotOptimize(marrowleaf::FillTemplate(text, values).size());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}

}  // namespace

BENCHMARK_CAPTURE(FillTemplate, braces_1mb, "{", 1u << 20)
    ->Name("template/fill/braces_1mb")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FillTemplate, braces_100kb, "{", 100u << 10)
    ->Name("template/fill/braces_100kb")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FillTemplate, text_1mb, "Slept: {weekday}, {date}. Grateful for:\n", 1u << 20)
    ->Name("template/fill/text_1mb")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveStep, without, false, true)
    ->Name("save_step/disk/without_history")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SaveStep, with, true, true)
    ->Name("save_step/disk/with_history")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SaveStep, without, false, false)
    ->Name("save_step/memory/without_history")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SaveStep, with, true, false)
    ->Name("save_step/memory/with_history")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SearchOurs, none, "nowhere", false)
    ->Name("search/marrowleaf/no_entry")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchGrep, none, "nowhere", false)
    ->Name("search/grep/no_entry")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchOurs, every, "entry", false)
    ->Name("search/marrowleaf/every_entry")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchGrep, every, "entry", false)
    ->Name("search/grep/every_entry")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchOurs, three, "rain walk \"went out\"", false)
    ->Name("search/marrowleaf/three_words")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchGrep, three, "rain", false)
    ->Name("search/grep/three_words")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchOurs, sjis, "雨", true)
    ->Name("search/marrowleaf/shift_jis")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchGrep, sjis, "", true)
    ->Name("search/grep/shift_jis")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchYears, plain, "heron", false)
    ->Name("search/years/plain/some_entries")
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchYears, sealed, "heron", true)
    ->Name("search/years/encrypted/some_entries")
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchYears, plain, "nowhere", false)
    ->Name("search/years/plain/no_entry")
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchYears, sealed, "nowhere", true)
    ->Name("search/years/encrypted/no_entry")
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(StatisticsOurs)->Name("lookback/statistics/marrowleaf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StatisticsCatWc, c, "C")
    ->Name("lookback/statistics/cat_wc_c")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StatisticsCatWc, utf8, "C.UTF-8")
    ->Name("lookback/statistics/cat_wc_utf8")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(OnThisDayOurs)->Name("lookback/on_this_day")->Unit(benchmark::kMillisecond);
BENCHMARK(SearchFirstRow)->Name("search/first_row")->Unit(benchmark::kMillisecond);
BENCHMARK(TagListOurs)->Name("tags/list/marrowleaf")->Unit(benchmark::kMillisecond);
BENCHMARK(TagListGrep)->Name("tags/list/grep_sort_uniq")->Unit(benchmark::kMillisecond);
BENCHMARK(EntryRead)->Name("entry_io/read/marrowleaf")->Unit(benchmark::kMillisecond);
BENCHMARK(RawRead)->Name("entry_io/read/raw")->Unit(benchmark::kMillisecond);
BENCHMARK(EntryWrite)->Name("entry_io/write/marrowleaf")->Unit(benchmark::kMillisecond);
BENCHMARK(RawWrite)->Name("entry_io/write/raw")->Unit(benchmark::kMillisecond);
// Kana and kanji with line breaks, in each of the three encodings.
BENCHMARK_CAPTURE(Decode, utf8, MegabyteOf("\xe6\x97\xa5\xe8\xa8\x98\xe3\x81\x8b\xe3\x81\xaa\r\n"))
    ->Name("decode/utf8")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Decode, shift_jis, MegabyteOf("\x93\xfa\x8b\x4c\x82\xa9\x82\xc8\r\n"))
    ->Name("decode/shift_jis")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Decode, latin1, MegabyteOf("caf\xe9 \x80\xff\r\n"))
    ->Name("decode/latin1")
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
