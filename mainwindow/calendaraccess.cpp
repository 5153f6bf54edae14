// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/calendaraccess.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCalendarWidget>
#include <QLocale>
#include <QTableView>
#include <map>
#include <vector>

namespace {

std::map<const QCalendarWidget*, std::function<QString(const QDate&)>>& Describers() {
  static std::map<const QCalendarWidget*, std::function<QString(const QDate&)>> describers;
  return describers;
}

const QCalendarWidget* CalendarOf(const QObject* view) {
  for (const QObject* o = view; o != nullptr; o = o->parent()) {
    if (const auto* calendar = qobject_cast<const QCalendarWidget*>(o)) return calendar;
  }
  return nullptr;
}

int HeaderRows(const QCalendarWidget* c) {
  return c->horizontalHeaderFormat() == QCalendarWidget::NoHorizontalHeader ? 0 : 1;
}
int HeaderColumns(const QCalendarWidget* c) {
  return c->verticalHeaderFormat() == QCalendarWidget::NoVerticalHeader ? 0 : 1;
}

// One day cell of the grid.
class TDayCell : public QAccessibleInterface {
 public:
  TDayCell(QTableView* grid, QAccessibleInterface* owner, int r, int c)
      : view(grid), table(owner), row(r), column(c) {}
  bool isValid() const override { return view != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return table->window(); }
  QAccessibleInterface* parent() const override { return table; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessible::Role role() const override {
    return Date().isValid() ? QAccessible::Cell : QAccessible::ColumnHeader;
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    const QCalendarWidget* calendar = CalendarOf(view);
    s.selectable = true;
    s.selected = calendar != nullptr && Date() == calendar->selectedDate();
    s.focusable = true;
    return s;
  }
  QRect rect() const override {
    const QModelIndex index = view->model()->index(row, column);
    const QRect local = view->visualRect(index);
    return QRect(view->viewport()->mapToGlobal(local.topLeft()), local.size());
  }
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return {};
    const QDate date = Date();
    if (!date.isValid()) return view->model()->index(row, column).data().toString();
    QString name = QLocale().toString(date, QStringLiteral("dddd d MMMM yyyy"));
    const QCalendarWidget* calendar = CalendarOf(view);
    const auto found = Describers().find(calendar);
    if (found != Describers().end()) {
      const QString more = found->second(date);
      if (!more.isEmpty()) name += QStringLiteral(", ") + more;
    }
    return name;
  }
  void setText(QAccessible::Text, const QString&) override {}

 private:
  QDate Date() const { return CalendarCellDate(CalendarOf(view), row, column); }
  QTableView* view;
  QAccessibleInterface* table;
  int row;
  int column;
};

// The day grid: a table whose children are the cells, row by row.
class TDayGrid : public QAccessibleWidget {
 public:
  explicit TDayGrid(QTableView* grid) : QAccessibleWidget(grid, QAccessible::Table), view(grid) {}
  ~TDayGrid() override {
    for (const QAccessible::Id id : cells) QAccessible::deleteAccessibleInterface(id);
  }
  int childCount() const override {
    return view->model() == nullptr ? 0 : view->model()->rowCount() * view->model()->columnCount();
  }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    if (cells.empty()) {
      const int columns = view->model()->columnCount();
      for (int i = 0; i < childCount(); ++i) {
        auto* cell = new TDayCell(view, const_cast<TDayGrid*>(this), i / columns, i % columns);
        cells.push_back(QAccessible::registerAccessibleInterface(cell));
      }
    }
    return QAccessible::accessibleInterface(cells[static_cast<size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (size_t i = 0; i < cells.size(); ++i) {
      if (QAccessible::accessibleInterface(cells[i]) == child) return static_cast<int>(i);
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint local = view->viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex index = view->indexAt(local);
    if (!index.isValid()) return nullptr;
    return child(index.row() * view->model()->columnCount() + index.column());
  }

 private:
  QTableView* view;
  mutable std::vector<QAccessible::Id> cells;
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
  auto* view = qobject_cast<QTableView*>(object);
  if (view == nullptr || object->objectName() != QStringLiteral("qt_calendar_calendarview")) {
    return nullptr;
  }
  const QCalendarWidget* calendar = CalendarOf(view);
  if (calendar == nullptr || Describers().count(calendar) == 0) return nullptr;
  return new TDayGrid(view);
}

}  // namespace

void InstallCalendarAccess(QCalendarWidget* calendar,
                           std::function<QString(const QDate&)> describe) {
  static const bool installed = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  (void)installed;
  Describers()[calendar] = std::move(describe);
}

void RemoveCalendarAccess(QCalendarWidget* calendar) { Describers().erase(calendar); }

QDate CalendarCellDate(const QCalendarWidget* calendar, int row, int column) {
  if (calendar == nullptr) return {};
  const int r = row - HeaderRows(calendar);
  const int c = column - HeaderColumns(calendar);
  if (r < 0 || c < 0 || r >= 6 || c >= 7) return {};
  return CalendarPageStart(calendar).addDays(r * 7 + c);
}

QDate CalendarPageStart(const QCalendarWidget* calendar) {
  // The page is six weeks; a month that starts in the first column has a week of the month
  // before above it, so a page always shows days of three months.
  const QDate shown(calendar->yearShown(), calendar->monthShown(), 1);
  const int first = (shown.dayOfWeek() - static_cast<int>(calendar->firstDayOfWeek()) + 7) % 7;
  return shown.addDays(first == 0 ? -7 : -first);
}
