// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears of the diary calendar's day grid: each cell reads its full date in
// the user's locale and what the day holds, instead of a bare number. An accessibility factory
// for the calendar's own view; the calendar's model stays as it is.
//
// The children are numbered as the toolkit's table view numbers them when it tells a screen
// reader which cell has the focus: its own row and column headers count as a row and a column
// before the model's, even hidden. The calendar's model has a row of its own for the day names.
#include <QAbstractItemModel>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLocale>
#include <QTableView>

#include "mainwindow/diarycalendar.h"
#include "text/dates.h"
#include "widgets/accessiblecells.h"

namespace {

const TDiaryCalendar* CalendarOf(const QObject* view) {
  for (const QObject* o = view; o != nullptr; o = o->parent()) {
    if (const auto* calendar = qobject_cast<const TDiaryCalendar*>(o)) return calendar;
  }
  return nullptr;
}

// The place of the model's cell (row, column) among the grid's children.
int ChildIndex(const QAbstractItemModel& model, int row, int column) {
  return (row + 1) * (model.columnCount() + 1) + column + 1;
}

// One day cell of the grid, or a place of the view's hidden headers (row or column -1).
class TDayCell : public TAccessibleLeaf {
 public:
  TDayCell(QTableView* grid, QAccessibleInterface* owner, int r, int c)
      : TAccessibleLeaf(owner), view(grid), row(r), column(c) {}
  bool isValid() const override { return view != nullptr; }
  QAccessible::Role role() const override {
    if (row < 0) return QAccessible::ColumnHeader;
    if (column < 0) return QAccessible::RowHeader;
    return Date().isValid() ? QAccessible::Cell : QAccessible::ColumnHeader;
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (Hidden()) {
      s.invisible = true;
      return s;
    }
    const TDiaryCalendar* calendar = CalendarOf(view);
    s.selectable = true;
    s.selected = calendar != nullptr && Date().isValid() && Date() == calendar->selectedDate();
    s.focusable = true;
    s.focused = s.selected && view->hasFocus();
    return s;
  }
  QRect rect() const override {
    if (Hidden()) return {};
    const QModelIndex index = view->model()->index(row, column);
    const QRect local = view->visualRect(index);
    return QRect(view->viewport()->mapToGlobal(local.topLeft()), local.size());
  }
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || Hidden()) return {};
    const QDate date = Date();
    if (!date.isValid()) return view->model()->index(row, column).data().toString();
    const TDiaryCalendar* calendar = CalendarOf(view);
    return calendar != nullptr ? calendar->SpokenDay(date) : marrowleaf::LongDate(date, QLocale());
  }
  void setText(QAccessible::Text, const QString&) override {}

 private:
  bool Hidden() const { return row < 0 || column < 0; }
  QDate Date() const {
    const TDiaryCalendar* calendar = CalendarOf(view);
    return calendar != nullptr ? calendar->CellDate(row, column) : QDate();
  }
  QTableView* view;
  int row;
  int column;
};

// The day grid: a table whose children are the cells, row by row.
class TDayGrid : public QAccessibleWidget {
 public:
  explicit TDayGrid(QTableView* grid) : QAccessibleWidget(grid, QAccessible::Table), view(grid) {}
  int childCount() const override {
    const QAbstractItemModel* model = view->model();
    return model == nullptr ? 0 : ChildIndex(*model, model->rowCount(), -1);
  }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    const int columns = view->model()->columnCount() + 1;
    auto* self = const_cast<TDayGrid*>(this);
    return cells.At(
        index, [&](int i) { return new TDayCell(view, self, i / columns - 1, i % columns - 1); });
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return cells.IndexOf(child);
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint local = view->viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex index = view->indexAt(local);
    if (!index.isValid()) return nullptr;
    return child(ChildIndex(*view->model(), index.row(), index.column()));
  }
  QAccessibleInterface* focusChild() const override {
    const QModelIndex current = view->currentIndex();
    if (!view->hasFocus() || !current.isValid()) return nullptr;
    return child(ChildIndex(*view->model(), current.row(), current.column()));
  }

 private:
  QTableView* view;
  mutable TAccessibleCells cells;
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
  auto* view = qobject_cast<QTableView*>(object);
  if (view == nullptr || object->objectName() != QStringLiteral("qt_calendar_calendarview")) {
    return nullptr;
  }
  if (CalendarOf(view) == nullptr) return nullptr;
  return new TDayGrid(view);
}

}  // namespace

void TDiaryCalendar::AnnounceSelectedDaySoon(QAbstractItemView* view) {
  if (!QAccessible::isActive()) return;
  // After the toolkit has named the grid itself as focused.
  QMetaObject::invokeMethod(
      view,
      [view] {
        const QModelIndex current = view->currentIndex();
        if (!view->hasFocus() || !current.isValid() || view->model() == nullptr) return;
        QAccessibleEvent focused(view, QAccessible::Focus);
        focused.setChild(ChildIndex(*view->model(), current.row(), current.column()));
        QAccessible::updateAccessibility(&focused);
      },
      Qt::QueuedConnection);
}

void TDiaryCalendar::InstallAccess() {
  static const bool installed = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  (void)installed;
}
