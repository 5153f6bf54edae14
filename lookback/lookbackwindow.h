// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QFuture>
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
  TLookBackWindow(std::string saveDir, QStringList tabTitles, TClock today,
                  QWidget* parent = nullptr);
  ~TLookBackWindow() override;

  // The calendar's date: its day in earlier years, and its year in the heatmap. A date that is
  // one of the rows (the user chose it) keeps the rows as they are.
  void SetDate(const QDate& date);
  // Whether the files are being read.
  bool Reading() const;

 Q_SIGNALS:
  // Show this entry (tab 0 and up) or this day (tab -1) in the main window.
  void showRequested(const QDate& date, int tab);

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
  void ShowRows(int mine, std::vector<marrowleaf::PastEntry>& found);
  void ShowTally();
  void ShowYear(int year);
  void Choose(QListWidgetItem* item);
  void ShowInDiary(const QDate& day, int tab);
  void SetFigure(const QString& name, const QString& value);

  std::string saveDir;
  QStringList tabTitles;
  TClock today;
  QDate date;    // the calendar's
  QDate anchor;  // the day whose earlier years the rows show
  bool open = false;
  bool placed = false;

  QTabWidget* LookBackParts = nullptr;
  QLabel* OnThisDayTitle = nullptr;
  QListWidget* OnThisDayRows = nullptr;
  QLabel* OnThisDayEmpty = nullptr;
  std::map<QString, QLabel*> figures;  // by objectName
  std::map<QString, QString> captions;
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
  QFuture<void> rowsRead;
  QFuture<void> tallyRead;
  std::shared_ptr<std::atomic<bool>> rowsStop;
  std::shared_ptr<std::atomic<bool>> tallyStop;
  int rowsGeneration = 0;  // the read whose rows are wanted; older ones are dropped
  int tallyGeneration = 0;
  marrowleaf::DiaryTally tally;
  bool tallyKnown = false;
  bool tallyPending = false;  // the whole diary is read once the first rows are in
  int shownYear = 0;
};
