// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/diarycalendar.h"

#include <QEvent>
#include <QItemSelectionModel>
#include <QLocale>
#include <QTableView>
#include <QTextCharFormat>
#include <algorithm>

#include "entries/diarywalk.h"
#include "text/dates.h"

TDiaryCalendar::TDiaryCalendar(QWidget* parent) : QCalendarWidget(parent) {
  setObjectName(QStringLiteral("calender"));
  setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
  setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  setGridVisible(false);
  // At 177 pixels wide, three-letter day names do not fit their columns.
  setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
  // No date typed into the calendar: its little editor starts from the last date the calendar
  // itself moved to, not from one the buttons chose, and words typed there by mistake (the focus
  // is not where the user thinks) would move the date. The keys move it as before.
  setDateEditEnabled(false);
  setAccessibleDescription(
      tr("The month calendar; days with entries are bold, Alt+Left and "
         "Alt+Right move to the previous and next day with an entry"));
  // The calendar's own month arrows have no names of their own.
  if (auto* back = findChild<QWidget*>(QStringLiteral("qt_calendar_prevmonth"))) {
    back->setAccessibleName(tr("Previous month"));
  }
  if (auto* on = findChild<QWidget*>(QStringLiteral("qt_calendar_nextmonth"))) {
    on->setAccessibleName(tr("Next month"));
  }
  InstallAccess();
  if (auto* grid = findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"))) {
    grid->installEventFilter(this);
    // Qt 6.4's table view tells a screen reader of every new current cell as a focus event,
    // focused or not: a date the program sets (a day shown from Look Back or Find, the arrow
    // buttons) would take the reader's focus from where the keyboard is. The grid hears of its
    // new current cell itself only while it has the focus, and is only repainted otherwise.
    QItemSelectionModel* cells = grid->selectionModel();
    disconnect(cells, SIGNAL(currentChanged(QModelIndex, QModelIndex)), grid,
               SLOT(currentChanged(QModelIndex, QModelIndex)));
    connect(cells, &QItemSelectionModel::currentChanged, grid,
            [grid](const QModelIndex& current, const QModelIndex& previous) {
              if (!grid->hasFocus()) {
                grid->viewport()->update();
                return;
              }
              QMetaObject::invokeMethod(grid, "currentChanged", Qt::DirectConnection,
                                        Q_ARG(QModelIndex, current), Q_ARG(QModelIndex, previous));
            });
  }
  // Its own month arrows and its keyboard move the page without the window knowing.
  connect(this, &QCalendarWidget::currentPageChanged, this, [this] { RefreshMarks(); });
}

bool TDiaryCalendar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    AnnounceSelectedDaySoon(static_cast<QAbstractItemView*>(watched));
  }
  return QCalendarWidget::eventFilter(watched, event);
}

void TDiaryCalendar::SetDiary(const std::string& dir, int tabs) {
  saveDir = dir;
  tabCount = tabs;
}

void TDiaryCalendar::RefreshMarks() {
  const QDate shown(yearShown(), monthShown(), 1);
  const QDate pageStart = PageStart();
  const QDate pageEnd = pageStart.addDays(6 * 7 - 1);
  std::vector<QDate> bold;
  std::vector<QDate> underlined;
  counts.fill(0);
  countsStart = pageStart;
  for (int offset = -1; offset <= 1; ++offset) {
    const QDate first = shown.addMonths(offset);
    if (first.year() < 1 || first.year() > 9999) continue;
    const auto year = static_cast<uint16_t>(first.year());
    const auto month = static_cast<uint16_t>(first.month());
    const marrowleaf::MonthDays days = marrowleaf::ListMonth(saveDir, year, month, tabCount);
    for (int day = 1; day <= first.daysInMonth(); ++day) {
      const QDate date(year, month, day);
      if (date < pageStart || date > pageEnd) continue;
      if (((days.entries >> day) & 1u) != 0) bold.push_back(date);
      counts[static_cast<size_t>(pageStart.daysTo(date))] = days.counts[day];
      if (((days.conflicts >> day) & 1u) != 0) underlined.push_back(date);
    }
  }
  if (bold == marks && underlined == conflicts) return;  // the usual case
  setDateTextFormat(QDate(), QTextCharFormat());         // drops every mark
  QTextCharFormat boldFormat;
  boldFormat.setFontWeight(QFont::Bold);
  for (const QDate& date : bold) setDateTextFormat(date, boldFormat);
  // A sync tool's conflict copy: underlined, so that the day can be looked into.
  for (const QDate& date : underlined) {
    QTextCharFormat format = dateTextFormat(date);
    format.setFontUnderline(true);
    setDateTextFormat(date, format);
  }
  marks = std::move(bold);
  conflicts = std::move(underlined);
}

QString TDiaryCalendar::SpokenDay(const QDate& date) const {
  const QString day = marrowleaf::LongDate(date, QLocale());
  const qint64 at = countsStart.daysTo(date);
  const int count =
      at >= 0 && at < static_cast<qint64>(counts.size()) ? counts[static_cast<size_t>(at)] : 0;
  // Each combination one sentence, so that every language orders and inflects it its own way.
  if (std::find(conflicts.begin(), conflicts.end(), date) != conflicts.end()) {
    return (count > 0 ? tr("%1, %n entries, a sync tool's conflict copy", nullptr, count)
                      : tr("%1, a sync tool's conflict copy"))
        .arg(day);
  }
  return count > 0 ? tr("%1, %n entries", nullptr, count).arg(day) : day;
}

QDate TDiaryCalendar::PageStart() const {
  // The page is six weeks; a month that starts in the first column has a week of the month
  // before above it, so a page always shows days of three months.
  const QDate shown(yearShown(), monthShown(), 1);
  const int first = (shown.dayOfWeek() - static_cast<int>(firstDayOfWeek()) + 7) % 7;
  return shown.addDays(first == 0 ? -7 : -first);
}

QDate TDiaryCalendar::CellDate(int row, int column) const {
  const int r = row - (horizontalHeaderFormat() == QCalendarWidget::NoHorizontalHeader ? 0 : 1);
  const int c = column - (verticalHeaderFormat() == QCalendarWidget::NoVerticalHeader ? 0 : 1);
  if (r < 0 || c < 0 || r >= 6 || c >= 7) return {};
  return PageStart().addDays(r * 7 + c);
}
