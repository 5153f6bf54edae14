// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookback/lookbackwindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

#include "diary/diary.h"
#include "diary/longwork.h"
#include "entries/entrykey.h"
#include "lookback/lookbackdates.h"
#include "lookback/monthchart.h"
#include "lookback/yearheatmap.h"
#include "widgets/itemviews.h"
#include "widgets/passedover.h"
#include "widgets/windows.h"

namespace {

enum Role { kDate = Qt::UserRole, kTab };

constexpr int kOpeningLines = 2;

}  // namespace

TLookBackWindow::TLookBackWindow(TDiary& d, TClock clock, QWidget* parent)
    : QWidget(parent, Qt::Window), diary(d), today(std::move(clock)) {
  setObjectName(QStringLiteral("LookBackWindow"));
  setWindowTitle(tr("Look Back"));
  InstallWindowAccess();  // before any of its widgets is asked for
  CreateLayout();
  CloseOnEscape(this);
  ReturnToOwnerWhenHidden(this);
  watch = std::make_unique<marrowleaf::FolderWatch>(
      [this](const std::string& folder) { Changed(folder); });
  settle = new QTimer(this);
  settle->setSingleShot(true);
  settle->setInterval(150);  // a sync tool writes many files at once: one read after them
  connect(settle, &QTimer::timeout, this, &TLookBackWindow::ApplyChanges);
  rowsRead = new TLongWork(this);
  tallyRead = new TLongWork(this);
  // What an import or a rename wrote, and a tab it added, is read as another program's change.
  const auto again = [this] {
    changedAll = true;
    if (open) settle->start();
  };
  connect(&diary, &TDiary::entriesChanged, this, again);
  connect(&diary, &TDiary::tabsChanged, this, again);
}

TLookBackWindow::~TLookBackWindow() { Stop(); }

void TLookBackWindow::CreateLayout() {
  auto* layout = new QVBoxLayout(this);
  LookBackParts = new QTabWidget(this);
  LookBackParts->setObjectName(QStringLiteral("LookBackParts"));
  LookBackParts->addTab(CreateOnThisDay(), tr("On this day"));
  LookBackParts->addTab(CreateStatistics(), tr("Statistics"));
  layout->addWidget(LookBackParts);
  // The window opens on its rows, not on the bar of its two parts.
  OnThisDayRows->setFocus();
}

QWidget* TLookBackWindow::CreateOnThisDay() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("OnThisDay"));
  auto* column = new QVBoxLayout(page);
  OnThisDayTitle = new QLabel(page);
  OnThisDayTitle->setObjectName(QStringLiteral("OnThisDayTitle"));
  QFont bold = OnThisDayTitle->font();
  bold.setBold(true);
  OnThisDayTitle->setFont(bold);
  OnThisDayRows = new TQuietView<QListWidget>(page);
  OnThisDayRows->setObjectName(QStringLiteral("OnThisDayRows"));
  // A long first line wraps within the window instead of running off its side.
  OnThisDayRows->setWordWrap(true);
  OnThisDayRows->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  OnThisDayRows->setResizeMode(QListView::Adjust);
  OnThisDayRows->setSpacing(1);
  OnThisDayRows->setAlternatingRowColors(true);
  OnThisDayRows->setAccessibleName(tr("Entries of this day in earlier years"));
  OnThisDayRows->setAccessibleDescription(
      tr("Newest first; Enter shows the entry in the diary window"));
  OnThisDayEmpty = new QLabel(tr("Nothing was written on this day in any earlier year."), page);
  OnThisDayEmpty->setObjectName(QStringLiteral("OnThisDayEmpty"));
  OnThisDayEmpty->setWordWrap(true);
  OnThisDayEmpty->setAlignment(Qt::AlignCenter);
  OnThisDayEmpty->hide();
  column->addWidget(OnThisDayTitle);
  column->addWidget(OnThisDayRows, 1);
  column->addWidget(OnThisDayEmpty, 1);
  connect(OnThisDayRows, &QListWidget::itemActivated, this, &TLookBackWindow::Choose);
  return page;
}

QWidget* TLookBackWindow::CreateStatistics() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("Statistics"));
  auto* column = new QVBoxLayout(page);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(2);
  const std::tuple<QLabel**, const char*, QString> named[] = {
      {&figures.entries, "StatEntries", tr("Entries:")},
      {&figures.days, "StatDays", tr("Days written:")},
      {&figures.words, "StatWords", tr("Words:")},
      {&figures.characters, "StatCharacters", tr("Characters:")},
      {&figures.wordsPerDay, "StatWordsPerDay", tr("Words per day written:")},
      {&figures.currentStreak, "StatCurrentStreak", tr("Current streak:")},
      {&figures.longestStreak, "StatLongestStreak", tr("Longest streak:")},
      {&figures.first, "StatFirst", tr("First entry:")},
      {&figures.latest, "StatLatest", tr("Latest entry:")},
  };
  int at = 0;
  for (const auto& [figure, name, caption] : named) {
    auto* label = new QLabel(caption, page);
    auto* value = new QLabel(page);
    value->setObjectName(QString::fromLatin1(name));
    // The keyboard reaches each figure, and a screen reader hears it with its caption.
    value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    value->setFocusPolicy(Qt::StrongFocus);
    label->setBuddy(value);
    // Two figures a row; the streaks and the first and latest entry side by side.
    const int row = at < 4 ? at / 2 : (at == 4 ? 2 : (at + 1) / 2);
    const int pair = at < 4 ? at % 2 : (at == 4 ? 0 : (at + 1) % 2);
    grid->addWidget(label, row, pair * 2);
    grid->addWidget(value, row, pair * 2 + 1);
    *figure = value;
    captions[value] = caption;
    ++at;
  }
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  column->addLayout(grid);
  // Files named like entries that could not be read: not counted, and said so.
  StatSkipped = new QLabel(page);
  StatSkipped->setObjectName(QStringLiteral("StatSkipped"));
  StatSkipped->setWordWrap(true);
  StatSkipped->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  StatSkipped->setFocusPolicy(Qt::StrongFocus);
  StatSkipped->hide();
  column->addWidget(StatSkipped);

  auto* yearRow = new QHBoxLayout;
  auto* yearLabel = new QLabel(tr("&Year:"), page);
  LookBackYear = new QComboBox(page);
  LookBackYear->setObjectName(QStringLiteral("LookBackYear"));
  yearLabel->setBuddy(LookBackYear);
  yearRow->addWidget(yearLabel);
  yearRow->addWidget(LookBackYear);
  yearRow->addStretch(1);
  column->addLayout(yearRow);
  Heatmap = new TYearHeatmap(page);
  Heatmap->setAccessibleDescription(
      tr("A cell per day, its colour stronger the more words; the arrow keys move, Enter shows the "
         "day"));
  column->addWidget(Heatmap);
  MonthChart = new TMonthChart(page);
  column->addWidget(MonthChart, 1);
  setTabOrder(LookBackYear, Heatmap);
  setTabOrder(Heatmap, MonthChart);
  connect(LookBackYear, &QComboBox::activated, this,
          [this](int index) { ShowYear(LookBackYear->itemData(index).toInt()); });
  connect(Heatmap, &TYearHeatmap::dayChosen, this,
          [this](const QDate& day) { ShowInDiary(day, -1); });
  return page;
}

bool TLookBackWindow::Reading() const {
  return tallyPending || rowsRead->Busy() || tallyRead->Busy();
}

void TLookBackWindow::SetDate(const QDate& shown) {
  if (!shown.isValid()) return;
  date = shown;
  const auto chosen = std::find_if(rows.begin(), rows.end(), [&](const marrowleaf::PastEntry& r) {
    return QDate(r.key.year, r.key.month, r.key.day) == shown;
  });
  if (chosen == rows.end() || !anchor.isValid()) {
    anchor = shown;
    OnThisDayTitle->setText(lookback::LongDate(anchor));
    if (open) ReadRows();
  } else {
    OnThisDayRows->setCurrentRow(static_cast<int>(chosen - rows.begin()));
  }
  if (open && tallyKnown && shown.year() != shownYear) ShowYear(shown.year());
  Heatmap->SetCurrent(shown);
}

void TLookBackWindow::showEvent(QShowEvent* event) {
  if (!placed && parentWidget() != nullptr) {
    // Beside the diary window, where the screen has room, so that a day shown there is seen.
    placed = true;
    QSize size = QSize(700, 520).expandedTo(minimumSizeHint());
    if (const QScreen* screen = parentWidget()->window()->screen()) {
      size = size.boundedTo(screen->availableGeometry().size() - QSize(40, 60));
    }
    resize(size);
    PlaceBeside(*this, *parentWidget()->window());
  }
  QWidget::showEvent(event);
  if (!open) Open();
}

void TLookBackWindow::closeEvent(QCloseEvent* event) {
  Close();
  QWidget::closeEvent(event);
}

void TLookBackWindow::Open() {
  open = true;
  if (!date.isValid()) SetDate(today());
  anchor = date;
  OnThisDayTitle->setText(lookback::LongDate(anchor));
  for (QLabel* figure :
       {figures.entries, figures.days, figures.words, figures.characters, figures.wordsPerDay,
        figures.currentStreak, figures.longestStreak, figures.first, figures.latest}) {
    SetFigure(figure, QString(QChar(0x2026)));
  }
  // The rows first, alone: they are what the window shows first. The whole diary's reading
  // follows once they are in.
  tallyPending = true;
  ReadRows();
}

void TLookBackWindow::Close() {
  open = false;
  tallyPending = false;
  Stop();
  settle->stop();
  watch->Set({});
  watched.clear();
  changedMonths.clear();
  changedAll = false;
  // Nothing of the diary is kept while the window is closed.
  tally = marrowleaf::DiaryTally();
  tallyKnown = false;
  shownYear = 0;
  rows.clear();
  OnThisDayRows->clear();
}

void TLookBackWindow::Stop() {
  rowsRead->Cancel();
  tallyRead->Cancel();
  rowsRead->Wait();
  tallyRead->Wait();
}

void TLookBackWindow::Watch() {
  // The diary's folder, its year folders and its month folders: a name made, replaced or
  // removed in any of them (a sync tool, an import, a save), or an entry written in place, is a
  // change.
  watch->Set(marrowleaf::DiaryFolders(
      diary.SaveDir(), [this](const std::string& folder, uint16_t year, uint16_t month) {
        watched[folder] = {year, month};
      }));
}

void TLookBackWindow::Changed(const std::string& folder) {
  if (!open) return;
  const auto month = watched.find(folder);
  if (month != watched.end()) {
    changedMonths.insert(month->second);
  } else {
    changedAll = true;  // the diary's folder or a year folder: months came or went
  }
  settle->start();
}

void TLookBackWindow::ApplyChanges() {
  if (!open) return;
  ReadRows();
  if (tallyPending || tallyRead->Busy()) {
    settle->start();  // the changes wait for the read under way
    return;
  }
  if (changedAll) {
    Watch();
    ReadTally({});
  } else if (!changedMonths.empty()) {
    ReadTally(std::vector<Month>(changedMonths.begin(), changedMonths.end()));
  }
  changedAll = false;
  changedMonths.clear();
}

void TLookBackWindow::ReadRows() {
  rowsRead->Start<std::vector<marrowleaf::PastEntry>>(
      [dir = diary.SaveDir(), tabs = diary.TabCount(), day = anchor](TLongWork::Run& run) {
        const marrowleaf::DiaryWalk walk(dir, marrowleaf::OnThisDayScope(tabs, day),
                                         run.Cancelled());
        return marrowleaf::OnThisDay(walk, day, kOpeningLines);
      },
      [this](std::vector<marrowleaf::PastEntry>& found) { ShowRows(found); });
}

void TLookBackWindow::ShowRows(std::vector<marrowleaf::PastEntry>& found) {
  if (!open) return;
  rows = std::move(found);
  OnThisDayRows->clear();
  for (const marrowleaf::PastEntry& row : rows) {
    const QDate day(row.key.year, row.key.month, row.key.day);
    const QString tab = diary.TabTitle(row.key.tab);
    // Counted from today, whatever day the calendar shows.
    const int years = today().year() - day.year();
    const QString ago = years > 0    ? tr("%n years ago", nullptr, years)
                        : years == 0 ? tr("this year")
                                     : tr("in %n years", nullptr, -years);
    // The year says which day it was, but for 29 February shown on the 28th.
    const QString when =
        day.day() == anchor.day() ? QString::number(day.year()) : lookback::LongDate(day);
    auto* item = new QListWidgetItem(when + QStringLiteral(" · ") + ago + QStringLiteral(" · ") +
                                         tab + QLatin1Char('\n') + row.opening,
                                     OnThisDayRows);
    item->setData(Qt::AccessibleTextRole, tr("%1, %2, tab %3: %4")
                                              .arg(lookback::LongDate(day), ago, tab,
                                                   row.opening.section(QLatin1Char('\n'), 0, 0)));
    item->setData(kDate, day);
    item->setData(kTab, row.key.tab);
    if (day == date) OnThisDayRows->setCurrentItem(item);
  }
  OnThisDayRows->setVisible(!rows.empty());
  OnThisDayEmpty->setVisible(rows.empty());
  if (OnThisDayRows->currentRow() < 0 && !rows.empty()) OnThisDayRows->setCurrentRow(0);
  if (tallyPending) {
    // Once the rows are painted: the whole diary's folders watched, then read, so that no change
    // escapes both.
    QTimer::singleShot(0, this, [this] {
      if (!open || !tallyPending) return;
      tallyPending = false;
      Watch();
      ReadTally({});
    });
  }
}

void TLookBackWindow::Choose(QListWidgetItem* item) {
  if (item != nullptr) ShowInDiary(item->data(kDate).toDate(), item->data(kTab).toInt());
}

void TLookBackWindow::ShowInDiary(const QDate& day, int tab) {
  // The day is shown in the diary window, which comes to the front: that is where the user
  // looks next.
  diary.Show(day, tab);
}

void TLookBackWindow::SetFigure(QLabel* figure, const QString& value) {
  figure->setText(value);
  // Its text alone would be a bare number; its name alone would hide it.
  figure->setAccessibleName(captions[figure] + QLatin1Char(' ') + value);
}

void TLookBackWindow::ShowSkipped(size_t count, const std::vector<marrowleaf::Skipped>& first) {
  StatSkipped->setVisible(count > 0);
  StatSkipped->setText(PassedOver(count, first));
}

void TLookBackWindow::ReadTally(std::vector<Month> months) {
  struct Read {
    bool whole = false;
    marrowleaf::DiaryTally tally;
    std::vector<marrowleaf::MonthTally> months;
    size_t skipped = 0;
    std::vector<marrowleaf::Skipped> firstSkipped;
  };
  tallyRead->Start<Read>(
      [months = std::move(months), dir = diary.SaveDir(),
       tabs = diary.TabCount()](TLongWork::Run& run) {
        Read read;
        const marrowleaf::DiaryWalk walk(
            dir, marrowleaf::EveryEntry(tabs, marrowleaf::Order::kOldestFirst), run.Cancelled());
        read.whole = months.empty();
        if (read.whole) {
          read.tally = marrowleaf::DiaryTally::Read(walk);
          read.skipped = walk.SkipCount();
          read.firstSkipped = walk.Skips();
        } else {
          for (const Month& month : months)
            read.months.push_back(marrowleaf::TallyMonth(walk, month));
        }
        return read;
      },
      [this](Read& read) {
        if (!open) return;
        if (read.whole) {
          tally = std::move(read.tally);
          tallyKnown = true;
          ShowSkipped(read.skipped, read.firstSkipped);
        } else {
          for (marrowleaf::MonthTally& month : read.months) tally.Put(std::move(month));
        }
        ShowTally();
      });
}

void TLookBackWindow::ShowTally() {
  const marrowleaf::DiaryStatistics s = tally.Statistics(today());
  const QLocale locale;
  const auto number = [&](int64_t n) { return locale.toString(static_cast<qlonglong>(n)); };
  const auto day = [&](const QDate& d) {
    return d.isValid() ? lookback::ShortDate(d) : QString(QChar(0x2014));
  };
  SetFigure(figures.entries, number(s.entries));
  SetFigure(figures.days, number(s.daysWritten));
  SetFigure(figures.words, number(s.words));
  SetFigure(figures.characters, number(s.characters));
  SetFigure(figures.wordsPerDay, locale.toString(s.wordsPerDay, 'f', s.wordsPerDay < 10 ? 1 : 0));
  SetFigure(figures.currentStreak, tr("%Ln days", nullptr, s.currentStreak));
  SetFigure(figures.longestStreak,
            s.longestStreak == 0
                ? tr("%Ln days", nullptr, 0)
                : tr("%Ln days, to %1", nullptr, s.longestStreak).arg(day(s.longestStreakEnd)));
  SetFigure(figures.first, day(s.first));
  SetFigure(figures.latest, day(s.latest));
  // The years to choose from: those written, the calendar's and this one.
  std::vector<int> years = tally.Years();
  years.push_back(date.year());
  years.push_back(today().year());
  std::sort(years.begin(), years.end(), std::greater<>());
  years.erase(std::unique(years.begin(), years.end()), years.end());
  const int keep = shownYear != 0 ? shownYear : date.year();
  LookBackYear->clear();
  for (const int year : years) LookBackYear->addItem(QString::number(year), year);
  ShowYear(keep);
}

void TLookBackWindow::ShowYear(int year) {
  shownYear = year;
  if (LookBackYear->findData(year) < 0) {  // a year of the calendar's with nothing written
    int at = 0;
    while (at < LookBackYear->count() && LookBackYear->itemData(at).toInt() > year) ++at;
    LookBackYear->insertItem(at, QString::number(year), year);
  }
  LookBackYear->setCurrentIndex(LookBackYear->findData(year));
  Heatmap->SetToday(today());
  Heatmap->SetYear(year, tally.DayWords(year));
  Heatmap->SetCurrent(date);
  Heatmap->setAccessibleName(tr("Words per day of %1").arg(year));
  MonthChart->SetYear(year, tally.MonthWords(year));
  MonthChart->SetCurrent(Heatmap->Current().month());
}
