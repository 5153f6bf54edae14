// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures in the text area, against the same entry with its links shown as text, in one run: a
// key typed, a day opened, every picture of a day shown (cold, and from the thumbnail cache), and
// the memory the pictures take ("--memory", in a process of its own). The inputs: 20 photos of
// 4000 x 3000 pixels, 8 to 10 MB each as JPEG, made here (MARROWLEAF_PICTURES_BENCH_COUNT makes
// fewer, for the smoke run).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QTabBar>
#include <QTextBlock>
#include <QTextCursor>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "benchinputs.h"
#include "mainwindow/tform1.h"
#include "pictures/picturetextedit.h"
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
};
NoPrompts prompts;

int Count() {
  const QByteArray count = qgetenv("MARROWLEAF_PICTURES_BENCH_COUNT");
  return count.isEmpty() ? 20 : std::max(1, count.toInt());
}

// A photo as a camera makes it: a landscape of soft colours with the fine noise of a sensor,
// which JPEG keeps at 8 to 10 MB for 12 megapixels. Each is its own (its seed).
QByteArray Photo(uint32_t seed) {
  QImage image(4000, 3000, QImage::Format_RGB32);
  uint32_t state = seed * 2654435761u + 1;
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      state ^= state << 13;
      state ^= state >> 17;
      state ^= state << 5;
      const int noise = static_cast<int>(state % 96) - 48;
      line[x] = qRgb(std::clamp(x / 16 + noise, 0, 255), std::clamp(y / 12 + noise, 0, 255),
                     std::clamp(static_cast<int>((x + y + seed * 40) % 256) + noise, 0, 255));
    }
  }
  QByteArray bytes;
  QBuffer out(&bytes);
  out.open(QIODevice::WriteOnly);
  image.save(&out, "JPEG", 95);
  return bytes;
}

QString Today(int tab) {
  const QDate d = QDate::currentDate();
  return QStringLiteral("%1/%2/%3_%4.txt").arg(d.year()).arg(d.month()).arg(d.day()).arg(tab);
}

// A diary whose tabs 2 and 3 hold the same day of 20 paragraphs, each followed by a photo's link,
// and tabs 0 and 1 the same text with the links as text (" [](...)" for "![](...)"): a new
// window starts on a tab without pictures.
class Diary {
 public:
  Diary() : old(QDir::currentPath()) {
    QDir::setCurrent(QString::fromStdString(folder));
    static bool made = false;
    if (!made) {
      made = true;
      QDir().mkpath(QStringLiteral("attachments"));
      for (int i = 0; i < Count(); ++i) {
        benchinputs::Write(folder + "/attachments/photo-" + std::to_string(i) + ".jpg",
                           Photo(static_cast<uint32_t>(i)).toStdString());
      }
      QByteArray text;
      for (int i = 0; i < Count(); ++i) {
        text += "Paragraph " + QByteArray::number(i) +
                ": we walked along the harbour in the evening and watched the boats.\r\n"
                "![photo " +
                QByteArray::number(i) + "](attachments/photo-" + QByteArray::number(i) +
                ".jpg)\r\n";
      }
      QByteArray plain = text;
      plain.replace("![", " [");
      QDir().mkpath(Today(0).section(QLatin1Char('/'), 0, 1));
      for (int tab = 0; tab < 4; ++tab) {
        // Each tab's text its own (a text the text area holds already is not set again).
        QByteArray own = tab < 2 ? plain : text;
        own.replace(QByteArray("Paragraph"),
                    QByteArray("Tab " + QByteArray::number(tab) + " part"));
        benchinputs::Write(folder + '/' + Today(tab).toStdString(), own.toStdString() + '\0');
      }
      benchinputs::Write(folder + "/config.ini",
                         "[GENERAL]\r\nN_TABS=4\r\n[SPELLING]\r\nLANGUAGE=off\r\n");
    }
  }
  ~Diary() { QDir::setCurrent(old); }
  Diary(const Diary&) = delete;
  Diary& operator=(const Diary&) = delete;

 private:
  static inline const std::string folder = [] {
    const std::string path = benchinputs::Folder() + "/pictures";
    std::filesystem::create_directories(path);
    return path;
  }();
  QString old;
};

TPictureTextEdit* Area(TForm1& form) {
  return form.findChild<TPictureTextEdit*>(QStringLiteral("inputarea"));
}

void ShowTab(TForm1& form, int tab) {
  form.findChild<QTabBar*>(QStringLiteral("tabheader"))->setCurrentIndex(tab);
}

// Until every picture of the shown entry is decoded, or 60 s.
bool AllShown(TForm1& form) {
  QElapsedTimer clock;
  clock.start();
  TPictureTextEdit* area = Area(form);
  for (;;) {
    // Waits for the decoders' results: a loop that spun would take a processor from them.
    if (area->PendingPictures() > 0) {
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QCoreApplication::processEvents();
    bool all = area->PendingPictures() == 0;
    for (int i = 0; all && i < Count(); ++i) {
      all = area->PictureState(QStringLiteral("attachments/photo-%1.jpg").arg(i)) ==
            TPictureCache::State::kShown;
    }
    if (all) return true;
    if (clock.elapsed() > 60000) return false;
  }
}

QString CacheFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
         QStringLiteral("/pictures");
}

// A key typed in the middle of the day's text and taken back, each painted: the day with its
// pictures shown (tab 2) and with its links as text (tab 0).
void KeyTyped(benchmark::State& state, int tab) {
  Diary diary;
  TForm1 form(prompts);
  form.SetDraftFolder(std::string());
  form.show();
  ShowTab(form, tab);
  if (tab == 2 && !AllShown(form)) state.SkipWithError("the pictures were not shown");
  TPictureTextEdit* area = Area(form);
  QTextCursor middle(area->document()->findBlockByNumber(Count()));
  middle.movePosition(QTextCursor::EndOfBlock);
  area->setTextCursor(middle);
  area->ensureCursorVisible();
  QCoreApplication::processEvents();
  for (auto _ : state) {
    for (const auto& [key, text] :
         {std::pair{Qt::Key_X, QStringLiteral("x")}, std::pair{Qt::Key_Backspace, QString()}}) {
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
      QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
      QApplication::sendEvent(area, &press);
      QApplication::sendEvent(area, &release);
      QCoreApplication::processEvents();
    }
  }
}

// The day shown, its text painted (the text area painted at once, as its first paint is, not
// waiting for the event loop): two tabs of the same day in turn, with pictures (tabs 2 and
// 3, their thumbnails decoded before) and with the links as text (0 and 1).
void DayOpened(benchmark::State& state, int tab) {
  Diary diary;
  TForm1 form(prompts);
  form.SetDraftFolder(std::string());
  form.show();
  ShowTab(form, tab);
  if (tab == 2 && !AllShown(form)) state.SkipWithError("the pictures were not shown");
  int next = tab + 1;
  for (auto _ : state) {
    ShowTab(form, next);
    Area(form)->viewport()->repaint();
    state.PauseTiming();
    QCoreApplication::processEvents();  // what follows the text: the pictures asked for
    state.ResumeTiming();
    next = next == tab ? tab + 1 : tab;
  }
}

// The day shown, its text painted, in a new window with no thumbnail kept: the pictures' decoding
// starts meanwhile, on both processors (tab 2), against the day with its links as text (tab 1).
void DayOpenedCold(benchmark::State& state, int tab) {
  Diary diary;
  for (auto _ : state) {
    QDir(CacheFolder()).removeRecursively();
    auto form = std::make_unique<TForm1>(prompts);
    form->SetDraftFolder(std::string());
    form->show();
    QCoreApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    ShowTab(*form, tab);
    Area(*form)->viewport()->repaint();
    state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    QCoreApplication::processEvents();  // the pictures asked for, decoded meanwhile
  }
}

// From the day's tab chosen until all of its pictures are shown, in a new window each time:
// `cold` with no thumbnail kept, else from the thumbnails the first round kept.
void AllPicturesShown(benchmark::State& state, bool cold) {
  Diary diary;
  bool warm = false;
  for (auto _ : state) {
    if (cold) QDir(CacheFolder()).removeRecursively();
    auto form = std::make_unique<TForm1>(prompts);
    form->SetDraftFolder(std::string());
    form->show();
    ShowTab(*form, 0);
    QCoreApplication::processEvents();
    if (!cold && !warm) {
      ShowTab(*form, 2);
      warm = AllShown(*form);
      form = std::make_unique<TForm1>(prompts);
      form->SetDraftFolder(std::string());
      form->show();
      ShowTab(*form, 0);
      QCoreApplication::processEvents();
    }
    QElapsedTimer clock;
    clock.start();
    ShowTab(*form, 2);
    if (!AllShown(*form)) state.SkipWithError("the pictures were not shown");
    state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
  }
  qint64 bytes = 0;
  for (int i = 0; i < Count(); ++i) {
    bytes += QFileInfo(QStringLiteral("attachments/photo-%1.jpg").arg(i)).size();
  }
  state.counters["photos"] = Count();
  state.counters["photo_mb"] = static_cast<double>(bytes) / Count() / 1e6;
}

// The resident memory of the day with its pictures shown and scrolled through, above the same
// day with its links as text, in a process of its own: "pictures_memory ABOVE_KIB TEXT_KIB".
int Memory() {
  Diary diary;
  TForm1 form(prompts);
  form.SetDraftFolder(std::string());
  form.show();
  ShowTab(form, 0);
  QCoreApplication::processEvents();
  // What the start-up freed and the allocator kept is no memory of the text's.
  malloc_trim(0);
  const long text = benchinputs::StatusKib("VmRSS:");
  ShowTab(form, 2);
  if (!AllShown(form)) return 1;
  TPictureTextEdit* area = Area(form);
  for (QTextBlock block = area->document()->firstBlock(); block.isValid(); block = block.next()) {
    area->setTextCursor(QTextCursor(block));
    area->ensureCursorVisible();
    QCoreApplication::processEvents();
  }
  std::printf("pictures_memory %ld %ld\n", benchinputs::StatusKib("VmRSS:") - text, text);
  return 0;
}

}  // namespace

BENCHMARK_CAPTURE(KeyTyped, links_as_text, 0)
    ->Name("pictures/key/links_as_text")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(KeyTyped, pictures_shown, 2)
    ->Name("pictures/key/pictures_shown")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DayOpened, links_as_text, 0)
    ->Name("pictures/day_opened/links_as_text")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DayOpened, pictures_shown, 2)
    ->Name("pictures/day_opened/pictures_shown")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DayOpenedCold, links_as_text, 1)
    ->Name("pictures/day_opened_cold/links_as_text")
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DayOpenedCold, pictures_shown, 2)
    ->Name("pictures/day_opened_cold/pictures_decoding")
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AllPicturesShown, cold, true)
    ->Name("pictures/all_shown/cold")
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AllPicturesShown, from_cache, false)
    ->Name("pictures/all_shown/from_cache")
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The thumbnails go to a cache of the benchmark's own, never the user's.
  const std::string cache = benchinputs::Folder() + "/cache";
  qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(cache));
  QApplication app(argc, argv);
  if (argc > 1 && std::string(argv[1]) == "--memory") return Memory();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
