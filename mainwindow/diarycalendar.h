// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCalendarWidget>
#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class QAbstractItemView;

// The month calendar (objectName "calender") with the diary's marks: the days of the shown page
// that hold an entry are bold, a day with a sync tool's conflict copy is underlined. It owns
// those marks, the entries counted per day, and what a screen reader hears of each day cell
// ("Tuesday, 8 December 2026, 2 entries"). The window tells it which diary it shows and when to
// look again; its own page changes look again by themselves.
class TDiaryCalendar : public QCalendarWidget {
  Q_OBJECT

 public:
  explicit TDiaryCalendar(QWidget* parent = nullptr);

  void SetDiary(const std::string& saveDir, int tabCount);
  // Lists the months of the shown page again and redraws the marks that changed.
  void RefreshMarks();

  // What a screen reader hears of a day cell: the locale's long date, then how many entries the
  // day holds and whether a sync tool left a conflict copy of one.
  QString SpokenDay(const QDate& date) const;
  // The first day of the six weeks the page shows.
  QDate PageStart() const;
  // The date a cell of the day grid shows (row and column of the view, headers included); an
  // invalid date for a header cell.
  QDate CellDate(int row, int column) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static void InstallAccess();  // the day cells' accessibility, once per process
  // Tabbing into the grid is heard as the chosen day, after the grid itself.
  static void AnnounceSelectedDaySoon(QAbstractItemView* view);

  std::string saveDir;
  int tabCount = 0;
  std::vector<QDate> marks;           // the days drawn in bold now, in date order
  std::vector<QDate> conflicts;       // the days underlined
  std::array<uint16_t, 42> counts{};  // entries per day of the page
  QDate countsStart;                  // the page's first day
};
