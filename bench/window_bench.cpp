// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window on the offscreen platform: the date refresh by number of tabs, the calendar's page
// change with its marks, an entry's load against a bare setPlainText of the same text, and what
// turning an entry's bytes into text costs in each encoding.
#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QCalendarWidget>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTreeView>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "benchinputs.h"
#include "crypto/sealing.h"
#include "diary/diary.h"
#include "entries/history.h"
#include "export/exportwindow.h"
#include "find/findwindow.h"
#include "history/historywindow.h"
#include "lookback/lookbackwindow.h"
#include "mainwindow/tform1.h"
#include "spelling/spellchecker.h"
#include "spelling/spelldictionary.h"
#include "tags/tagswindow.h"
#include "widgets/prompts.h"

namespace {

class NoPrompts : public TPrompts {
 public:
  bool AskSave(QWidget*) override { return false; }
  void ShowException(const QString&) override {}
  void ShowWarning(QWidget*, const QString&) override {}
  void ShowInformation(QWidget*, const QString&) override {}
  bool Confirm(QWidget*, const QString&) override { return false; }
  void ShowDialog(QDialog&) override {}
  // An encrypted diary's window unlocks at its start, before any timing.
  std::optional<TPasswordAnswer> AskPassword(QWidget*, const QString&, bool) override {
    return TPasswordAnswer{QString::fromLatin1(benchinputs::kPassword), false};
  }
};

void WriteFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly)) std::abort();
  f.write(bytes);
}

QString EntryPath(const QDate& d, int tab) {
  return QStringLiteral("%1/%2/%3_%4.txt").arg(d.year()).arg(d.month()).arg(d.day()).arg(tab);
}

// A diary folder with `tabs` tabs, made current for the window's lifetime; spelling in en_US
// or off.
class Diary {
 public:
  explicit Diary(int tabs, const char* spelling = "off") : old(QDir::currentPath()) {
    QDir::setCurrent(dir.path());
    WriteFile(QStringLiteral("config.ini"), "[GENERAL]\nN_TABS=" + QByteArray::number(tabs) +
                                                "\n[SPELLING]\nLANGUAGE=" + spelling + "\n");
  }
  ~Diary() { QDir::setCurrent(old); }
  Diary(const Diary&) = delete;
  Diary& operator=(const Diary&) = delete;

 private:
  QTemporaryDir dir;
  QString old;
};

NoPrompts prompts;

// Starts the window's spelling and waits for its dictionary; false when there is none.
bool SpellingReady(TForm1& form) {
  auto* spelling = form.findChild<TSpellChecker*>(QStringLiteral("Spelling"));
  spelling->Start();
  QElapsedTimer clock;
  clock.start();
  while ((spelling->Loading() || !spelling->Loaded()) && spelling->Enabled() &&
         clock.elapsed() < 10000) {
    QCoreApplication::processEvents();
  }
  QCoreApplication::processEvents();
  return spelling->Loaded() || !spelling->Enabled();
}

void Refresh(benchmark::State& state) {
  Diary diary(static_cast<int>(state.range(0)));
  TForm1 form(prompts);
  form.show();
  for (auto _ : state) form.RefreshForDate();
}

// With 1,000 tabs and an entry on every day of the months the pages show.
void PageChange(benchmark::State& state) {
  Diary diary(1000);
  for (int month = 1; month <= 4; ++month) {
    for (int day = 1; day <= QDate(2024, month, 1).daysInMonth(); ++day) {
      WriteFile(EntryPath(QDate(2024, month, day), day % 1000), "x");
    }
  }
  TForm1 form(prompts);
  form.show();
  auto* calendar = form.findChild<QCalendarWidget*>(QStringLiteral("calender"));
  int page = 0;
  for (auto _ : state) calendar->setCurrentPage(2024, 2 + (page++ % 2));
}

QByteArray EntryText(qsizetype size, char letter) {
  QByteArray text(size, letter);
  for (qsizetype i = 62; i < size; i += 64) {
    text[i] = '\r';
    text[i + 1] = '\n';
  }
  return text;
}

// The window loads an entry: read, decode, set. Two tabs alternate so every load is a change.
// With spelling, the lines on screen are checked right after, in the event loop.
void EntryLoad(benchmark::State& state, const char* spelling) {
  const auto size = static_cast<qsizetype>(state.range(0));
  Diary diary(2, spelling);
  const QDate today = QDate::currentDate();
  WriteFile(EntryPath(today, 0), EntryText(size, 'a') + '\0');
  WriteFile(EntryPath(today, 1), EntryText(size, 'b') + '\0');
  TForm1 form(prompts);
  form.show();
  if (!SpellingReady(form)) state.SkipWithError("no en_US dictionary");
  int tab = 0;
  for (auto _ : state) {
    form.LoadEntry(tab);
    tab = 1 - tab;
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}

// The floor: a bare text area of the same size setting the same two texts in turn.
void BareSetPlainText(benchmark::State& state) {
  const auto size = static_cast<qsizetype>(state.range(0));
  const QString texts[2] = {QString::fromLatin1(EntryText(size, 'a'))
                                .replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                            QString::fromLatin1(EntryText(size, 'b'))
                                .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))};
  QPlainTextEdit edit;
  edit.resize(434, 360);
  edit.show();
  int which = 0;
  for (auto _ : state) {
    edit.setPlainText(texts[which]);
    which = 1 - which;
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}

// Opening the history window of an entry with the most versions kept: listing, reading and
// decoding every version.
void HistoryOpen(benchmark::State& state) {
  QTemporaryDir dir;
  const std::string saveDir = dir.path().toStdString();
  const marrowleaf::EntryKey key{2004, 3, 7, 0};
  marrowleaf::CreateMissingEntry(saveDir, key);
  for (size_t i = 0; i <= marrowleaf::kHistoryLimit; ++i) {
    const std::string text = "day " + std::to_string(i) + "\r\n" + std::string(2000, 'x');
    marrowleaf::SaveEntryKeepingHistory(saveDir, key, text);
  }
  for (auto _ : state) {
    THistoryWindow window(saveDir, key, true, QStringLiteral("the entry"), nullptr);
    benchmark::DoNotOptimize(window.VersionCount());
  }
}

// A key press and release in the text area of a 100 KiB entry, with drafts kept and without,
// and with drafts kept in an encrypted diary (the entry sealed, its drafts sealed too); and in a
// 100 KiB entry of prose in one paragraph, spelling on and off (a letter, then a blank, in the
// middle of the paragraph).
void Typing(benchmark::State& state, bool drafts, const char* spelling, bool sealed = false) {
  const bool prose = spelling != nullptr;
  Diary diary(1, prose ? spelling : "off");
  const QDate today = QDate::currentDate();
  const QByteArray entry = (prose ? QByteArray::fromStdString(benchinputs::Prose(100 << 10, 0))
                                  : EntryText(100 << 10, 'a')) +
                           '\0';
  if (sealed) {
    benchinputs::WriteKeyFile(".");
    WriteFile(EntryPath(today, 0),
              QByteArray::fromStdString(marrowleaf::SealBytes(
                  *benchinputs::SealingKeys()->Sealing(), entry.toStdString())));
  } else {
    WriteFile(EntryPath(today, 0), entry);
  }
  QTemporaryDir draftDir;
  TForm1 form(prompts);
  form.SetDraftFolder(drafts ? draftDir.path().toStdString() : std::string());
  form.show();
  if (!SpellingReady(form)) state.SkipWithError("no en_US dictionary");
  auto* area = form.findChild<QPlainTextEdit*>(QStringLiteral("inputarea"));
  if (sealed && (!form.Unlocked() || area->toPlainText().size() < (90 << 10))) {
    state.SkipWithError("the encrypted entry was not opened");
  }
  if (prose) {
    QTextCursor middle = area->textCursor();
    middle.setPosition(50 << 10);
    area->setTextCursor(middle);
  }
  int key = 0;
  for (auto _ : state) {
    const bool blank = prose && key++ % 2 == 1;
    const QString text = blank ? QStringLiteral(" ") : QStringLiteral("x");
    QKeyEvent press(QEvent::KeyPress, blank ? Qt::Key_Space : Qt::Key_X, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, blank ? Qt::Key_Space : Qt::Key_X, Qt::NoModifier, text);
    QApplication::sendEvent(area, &press);
    QApplication::sendEvent(area, &release);
  }
  form.SetDraftFolder(std::string());  // leaves no draft behind
}

// Opening a day of the look back's twenty-year diary, plain and encrypted (unlocked at the
// window's start): a day picked in the calendar until its text is painted, two days in turn.
void DayOpen(benchmark::State& state, bool sealed) {
  Diary diary(3);
  WriteFile(QStringLiteral("config.ini"),
            "[GENERAL]\nN_TABS=3\nSAVE_DIR=" +
                QByteArray::fromStdString(sealed ? benchinputs::SealedYearsDiaryFolder()
                                                 : benchinputs::YearsDiaryFolder()) +
                "\n[SPELLING]\nLANGUAGE=off\n");
  TForm1 form(prompts);
  form.SetDraftFolder(std::string());
  form.show();
  auto* calendar = form.findChild<QCalendarWidget*>(QStringLiteral("calender"));
  auto* area = form.findChild<QPlainTextEdit*>(QStringLiteral("inputarea"));
  QCoreApplication::processEvents();
  const QDate days[2] = {QDate(2024, 3, 7), QDate(2024, 3, 8)};
  int which = 0;
  for (auto _ : state) {
    calendar->setSelectedDate(days[which]);
    area->viewport()->repaint();
    state.PauseTiming();
    if (area->document()->isEmpty()) state.SkipWithError("the day's entry was not shown");
    QCoreApplication::processEvents();
    state.ResumeTiming();
    which = 1 - which;
  }
}

// A key typed into a 100 KiB entry of lines full of tags, their colours shown and not.
void TypingTags(benchmark::State& state, bool shown) {
  Diary diary(1);
  QByteArray text;
  while (text.size() < (100 << 10)) text += "went out #walk with #Anna, #trip/kyoto #River C#\r\n";
  WriteFile(EntryPath(QDate::currentDate(), 0), text + '\0');
  TForm1 form(prompts);
  form.SetDraftFolder(std::string());
  form.show();
  form.findChild<TSpellChecker*>(QStringLiteral("Spelling"))->ShowTags(shown);
  auto* area = form.findChild<QPlainTextEdit*>(QStringLiteral("inputarea"));
  QCoreApplication::processEvents();
  QTextCursor middle = area->textCursor();
  middle.setPosition(50 << 10);
  area->setTextCursor(middle);
  for (auto _ : state) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(area, &press);
    QApplication::sendEvent(area, &release);
  }
}

// Words checked per second over 1 MB of diary prose, loading the dictionary included, against
// the hunspell command line (`hunspell -l`) on the same text and dictionary.
void SpellingThroughput(benchmark::State& state) {
  const std::string prose = benchinputs::Prose(1000000, 300);
  const QString text = QString::fromStdString(prose);
  const auto words = static_cast<int64_t>(marrowleaf::CheckedWords(text).size());
  for (auto _ : state) {
    QString error;
    std::unique_ptr<TSpellDictionary> dictionary =
        TSpellDictionary::Load(QStringLiteral("en_US"), error);
    if (!dictionary) {
      state.SkipWithError("no en_US dictionary");
      break;
    }
    benchmark::DoNotOptimize(dictionary->MisspeltWords(text).size());
  }
  state.counters["words"] = static_cast<double>(words);
  state.SetItemsProcessed(state.iterations() * words);
}

void HunspellCommand(benchmark::State& state) {
  const std::string file = benchinputs::Folder() + "/prose.txt";
  benchinputs::Write(file, benchinputs::Prose(1000000, 300));
  const auto words = static_cast<int64_t>(
      marrowleaf::CheckedWords(QString::fromStdString(benchinputs::Prose(1000000, 300))).size());
  const std::string command = "hunspell -d en_US -l < " + file + " > /dev/null 2>&1";
  if (std::system("command -v hunspell > /dev/null") != 0) {
    state.SkipWithError("hunspell is not installed");
    return;
  }
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("hunspell failed");
  }
  state.SetItemsProcessed(state.iterations() * words);
}

// What a draft of a 1 MiB entry costs the window's thread: taking the text; the bytes are
// made and written on the draft writer.
void DraftOnWindowThread(benchmark::State& state) {
  Diary diary(1);
  const QDate today = QDate::currentDate();
  WriteFile(EntryPath(today, 0), EntryText(1 << 20, 'a') + '\0');
  QTemporaryDir draftDir;
  TForm1 form(prompts);
  form.SetDraftFolder(draftDir.path().toStdString());
  auto* area = form.findChild<QPlainTextEdit*>(QStringLiteral("inputarea"));
  area->insertPlainText(QStringLiteral("x"));
  for (auto _ : state) {
    form.WriteDraftNow();
    state.PauseTiming();
    form.WriteDraftNow(true);  // waits for the writer, untimed, so that each round writes
    state.ResumeTiming();
  }
  form.SetDraftFolder(std::string());
}

// The start-up benchmark's diary, 20 years of 3 tabs, exported whole.
TExportJob WholeDiary(marrowleaf::ExportFormat format, const char* suffix) {
  TExportJob job;
  job.saveDir = benchinputs::SearchDiaryFolder(false);
  job.range = {QDate(2006, 1, 1), QDate(2025, 12, 31), {true, true, true}};
  job.format = format;
  job.texts = {QStringLiteral("Marrowleaf diary"),
               QStringLiteral("2006 – 2025"),
               QLocale(QLocale::English, QLocale::UnitedKingdom),
               {QStringLiteral("Diary"), QStringLiteral("Work"), QStringLiteral("Dreams")},
               true};
  job.target = benchinputs::Folder() + "/whole." + suffix;
  return job;
}

void ExportWhole(benchmark::State& state, marrowleaf::ExportFormat format, const char* suffix) {
  const TExportJob job = WholeDiary(format, suffix);
  double firstProgress = 0;
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    bool first = true;
    const TExportOutcome done = RunExportJob(job, [&](int progress, int) {
      if (first && progress > 0) {
        firstProgress = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        first = false;
      }
      return true;
    });
    if (done.result != TExportOutcome::Result::kWritten) state.SkipWithError(done.error.c_str());
  }
  state.counters["first_progress_ms"] = firstProgress;
}

// The peers on the same days: one Markdown file through pandoc, one plain file through enscript
// and ps2pdf (bench-only tools, which scripts/bench.sh installs).
void PeerCommand(benchmark::State& state, marrowleaf::ExportFormat format, const char* tool,
                 const char* command) {
  const TExportJob job =
      WholeDiary(format, format == marrowleaf::ExportFormat::kMarkdown ? "md" : "txt");
  if (RunExportJob(job, [](int, int) { return true; }).result != TExportOutcome::Result::kWritten ||
      std::system((std::string("command -v ") + tool + " > /dev/null").c_str()) != 0) {
    state.SkipWithError("the peer is not installed");
    return;
  }
  const std::string line = "cd " + benchinputs::Folder() + " && " + command + " > /dev/null 2>&1";
  for (auto _ : state) {
    if (std::system(line.c_str()) != 0) state.SkipWithError("the peer failed");
  }
}

// File, Look Back… on the twenty-year diary: from the menu's command to the rows of earlier
// years, for a day 37 days on each time (29 February among them); the whole diary's statistics
// are read after them. The window is closed again between rounds, untimed.
void LookBackOpen(benchmark::State& state) {
  Diary diary(3);
  WriteFile(QStringLiteral("config.ini"),
            "[GENERAL]\nN_TABS=3\nSAVE_DIR=" +
                QByteArray::fromStdString(benchinputs::YearsDiaryFolder()) +
                "\n[SPELLING]\nLANGUAGE=off\n");
  TForm1 form(prompts);
  form.show();
  auto* calendar = form.findChild<QCalendarWidget*>(QStringLiteral("calender"));
  auto* look = form.findChild<QAction*>(QStringLiteral("Look1"));
  QDate date(2026, 2, 28);
  // The worst of every opening of the run, the first ones (which make the window) among them.
  static double worst = 0;
  for (auto _ : state) {
    state.PauseTiming();
    calendar->setSelectedDate(date);
    date = date.addDays(37);
    state.ResumeTiming();
    QElapsedTimer clock;
    clock.start();
    look->trigger();
    auto* window = form.findChild<TLookBackWindow*>(QStringLiteral("LookBackWindow"));
    auto* rows = window->findChild<QListWidget*>(QStringLiteral("OnThisDayRows"));
    while (rows->count() == 0 && clock.elapsed() < 10000) QCoreApplication::processEvents();
    worst = std::max(worst, static_cast<double>(clock.nsecsElapsed()) / 1e6);
    state.PauseTiming();
    if (rows->count() == 0) state.SkipWithError("no rows");
    window->close();
    state.ResumeTiming();
  }
  state.counters["worst_ms"] = worst;
}

// File, Tags… on the tagged twenty-year diary, in a diary window that has not read its tags yet:
// from the menu's command to the list's first rows (Time) and to the whole diary's list.
void TagsOpen(benchmark::State& state) {
  Diary diary(3);
  WriteFile(QStringLiteral("config.ini"),
            "[GENERAL]\nN_TABS=3\nSAVE_DIR=" +
                QByteArray::fromStdString(benchinputs::TaggedDiaryFolder()) +
                "\n[SPELLING]\nLANGUAGE=off\n");
  static double worst = 0;  // of every opening of the run
  double whole = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto form = std::make_unique<TForm1>(prompts);  // a window that has never read the tags
    form->show();
    QCoreApplication::processEvents();
    state.ResumeTiming();
    QElapsedTimer clock;
    clock.start();
    form->findChild<QAction*>(QStringLiteral("Tags1"))->trigger();
    auto* window = form->findChild<TTagsWindow*>(QStringLiteral("TagsWindow"));
    const QAbstractItemModel* rows =
        window->findChild<QTreeView*>(QStringLiteral("TagsList"))->model();
    while (rows->rowCount() == 0 && clock.elapsed() < 10000) QCoreApplication::processEvents();
    worst = std::max(worst, static_cast<double>(clock.nsecsElapsed()) / 1e6);
    state.PauseTiming();
    while (window->Reading() && clock.elapsed() < 10000) QCoreApplication::processEvents();
    QCoreApplication::processEvents();  // the whole list's rows
    whole = std::max(whole, static_cast<double>(clock.nsecsElapsed()) / 1e6);
    if (rows->rowCount() == 0) state.SkipWithError("no rows");
    form.reset();
    state.ResumeTiming();
  }
  state.counters["worst_first_rows_ms"] = worst;
  state.counters["worst_whole_list_ms"] = whole;
}

}  // namespace

BENCHMARK(TagsOpen)->Name("tags/open_to_first_rows")->Unit(benchmark::kMillisecond);
BENCHMARK(LookBackOpen)->Name("lookback/open_to_rows")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportWhole, html, marrowleaf::ExportFormat::kHtml, "html")
    ->Name("export/whole_diary/html")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportWhole, pdf, marrowleaf::ExportFormat::kPdf, "pdf")
    ->Name("export/whole_diary/pdf")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(PeerCommand, pandoc, marrowleaf::ExportFormat::kMarkdown, "pandoc",
                  "pandoc -f markdown -t html whole.md -o whole-pandoc.html")
    ->Name("export/whole_diary/pandoc_html")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(1);
BENCHMARK_CAPTURE(PeerCommand, enscript, marrowleaf::ExportFormat::kPlainText, "enscript",
                  "enscript -q -p - whole.txt | ps2pdf - whole-enscript.pdf")
    ->Name("export/whole_diary/enscript_ps2pdf")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3);
BENCHMARK_CAPTURE(Typing, with_drafts, true, nullptr)
    ->Name("typing/key/with_drafts")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Typing, encrypted_with_drafts, true, nullptr, true)
    ->Name("typing/key/encrypted_with_drafts")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DayOpen, plain, false)->Name("day_open/plain")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DayOpen, encrypted, true)
    ->Name("day_open/encrypted")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Typing, without_drafts, false, nullptr)
    ->Name("typing/key/without_drafts")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Typing, spelling_on, false, "en_US")
    ->Name("typing/prose_key/spelling_on")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Typing, spelling_off, false, "off")
    ->Name("typing/prose_key/spelling_off")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypingTags, shown, true)
    ->Name("typing/tagged_key/tags_shown")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypingTags, not_shown, false)
    ->Name("typing/tagged_key/tags_not_shown")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(SpellingThroughput)->Name("spelling/check_1MB/marrowleaf")->Unit(benchmark::kMillisecond);
BENCHMARK(HunspellCommand)->Name("spelling/check_1MB/hunspell_l")->Unit(benchmark::kMillisecond);
BENCHMARK(DraftOnWindowThread)->Name("draft/window_thread/1MiB")->Unit(benchmark::kMillisecond);
BENCHMARK(HistoryOpen)->Name("history_window/open/versions:50")->Unit(benchmark::kMillisecond);
BENCHMARK(Refresh)
    ->Name("refresh/tabs")
    ->Arg(1)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(PageChange)->Name("page_change/tabs:1000")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EntryLoad, spelling_off, "off")
    ->Name("entry_load/marrowleaf")
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EntryLoad, spelling_on, "en_US")
    ->Name("entry_load/marrowleaf_spelling")
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BareSetPlainText)
    ->Name("entry_load/bare_setPlainText")
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond);
namespace {

// The Find window's memory above its idle state through a search that finds every entry of
// the 20-year diary, in a process of its own: "search_memory PEAK_KIB ROWS".
int SearchMemory() {
  const std::string root = benchinputs::SearchDiaryFolder(false);
  TDiary diary(root, {"Diary", "Work", "Dreams"}, {});
  TFindWindow find(diary);
  find.show();
  QCoreApplication::processEvents();
  std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from here
  const long idle = benchinputs::StatusKib("VmRSS:");
  find.SearchNow(QStringLiteral("entry"));
  QElapsedTimer clock;
  clock.start();
  while ((find.Searching() || clock.elapsed() < 200) && clock.elapsed() < 60000) {
    QCoreApplication::processEvents();
  }
  QCoreApplication::processEvents();
  std::printf("search_memory %ld %d\n", benchinputs::StatusKib("VmHWM:") - idle,
              find.findChild<QListView*>()->model()->rowCount());
  return 0;
}

// The peak memory of a PDF export of the whole diary above the idle window, in a process of its
// own: "export_memory PEAK_KIB PAGES_BYTES".
int ExportMemory() {
  const TExportJob job = WholeDiary(marrowleaf::ExportFormat::kPdf, "pdf");
  Diary diary(3);
  TForm1 form(prompts);
  form.show();
  QCoreApplication::processEvents();
  std::ofstream("/proc/self/clear_refs") << "5";
  const long idle = benchinputs::StatusKib("VmRSS:");
  RunExportJob(job, [](int, int) { return true; });
  std::printf("export_memory %ld %lld\n", benchinputs::StatusKib("VmHWM:") - idle,
              static_cast<long long>(QFileInfo(QString::fromStdString(job.target)).size()));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc > 1 && std::string(argv[1]) == "--search-memory") return SearchMemory();
  if (argc > 1 && std::string(argv[1]) == "--export-memory") return ExportMemory();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
