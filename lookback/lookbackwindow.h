// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QStringList>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engines/lookback/lookback.h"
#include "platform/folderwatch.h"

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTimer;
class TDiary;
class TLongWork;
class TMonthChart;
class TYearHeatmap;

// Look Back: two parts. "On this day" lists the entries of the calendar's day in earlier years,
// newest first, and follows the calendar while the window is open. "Statistics" tells what the
// whole diary holds, with a year at a glance (a heatmap of its days) and its words per month.
// The files are read when the window opens, off the window's thread, and read again where a
// folder of the diary changes while it is open; nothing is kept once it closes.
class TLookBackWindow : public QWidget {
  Q_OBJECT

 public:
  using TClock = std::function<QDate()>;
  TLookBackWindow(TDiary& diary, TClock today, QWidget* parent = nullptr);
  ~TLookBackWindow() override;

  // The calendar's date: its day in earlier years, and its year in the heatmap. A date that is
  // one of the rows (the user chose it) keeps the rows as they are.
  void SetDate(const QDate& date);
  // Whether the files are being read.
  bool Reading() const;

 protected:
  void showEvent(class QShowEvent* event) override;
  void closeEvent(class QCloseEvent* event) override;

 private:
  using Month = std::pair<uint16_t, uint16_t>;
  void CreateLayout();
  QWidget* CreateOnThisDay();
  QWidget* CreateStatistics();
  void Open();
  void Close();
  void Stop();
  void Watch();
  void Changed(const std::string& folder);
  void ApplyChanges();
  void ReadRows();
  void ReadTally(std::vector<Month> months);  // none: the whole diary
  void ShowRows(std::vector<marrowleaf::PastEntry>& found);
  void ShowTally();
  void ShowYear(int year);
  void Choose(QListWidgetItem* item);
  void ShowInDiary(const QDate& day, int tab);
  void SetFigure(QLabel* figure, const QString& value);
  void ShowSkipped(size_t count, const std::vector<marrowleaf::Skipped>& first);

  TDiary& diary;
  TClock today;
  QDate date;    // the calendar's
  QDate anchor;  // the day whose earlier years the rows show
  bool open = false;
  bool placed = false;

  QTabWidget* LookBackParts = nullptr;
  QLabel* OnThisDayTitle = nullptr;
  QListWidget* OnThisDayRows = nullptr;
  QLabel* OnThisDayEmpty = nullptr;
  // The figures of the whole diary, each heard with its caption (its buddy's text).
  struct Figures {
    QLabel* entries = nullptr;
    QLabel* days = nullptr;
    QLabel* words = nullptr;
    QLabel* characters = nullptr;
    QLabel* wordsPerDay = nullptr;
    QLabel* currentStreak = nullptr;
    QLabel* longestStreak = nullptr;
    QLabel* first = nullptr;
    QLabel* latest = nullptr;
  } figures;
  std::map<const QLabel*, QString> captions;
  QLabel* StatSkipped = nullptr;  // what the reading passed over
  QComboBox* LookBackYear = nullptr;
  TYearHeatmap* Heatmap = nullptr;
  TMonthChart* MonthChart = nullptr;

  // The diary's folders: a name made, replaced or removed, or an entry written in place.
  std::unique_ptr<marrowleaf::FolderWatch> watch;
  QTimer* settle = nullptr;              // one read after a burst of notices
  std::map<std::string, Month> watched;  // the month folders watched
  std::set<Month> changedMonths;
  bool changedAll = false;

  std::vector<marrowleaf::PastEntry> rows;
  TLongWork* rowsRead = nullptr;
  TLongWork* tallyRead = nullptr;
  marrowleaf::DiaryTally tally;
  bool tallyKnown = false;
  bool tallyPending = false;  // the whole diary is read once the first rows are in
  int shownYear = 0;
};
