// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears of the heatmap: a table whose cells are the days of the year, each
// named by its date and its words, the current one focused while the heatmap has the focus.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include "lookback/yearheatmap.h"
#include "widgets/accessiblecells.h"

namespace {

class THeatmapCell : public QAccessibleInterface {
 public:
  THeatmapCell(TYearHeatmap* map, QAccessibleInterface* owner, int index)
      : heatmap(map), table(owner), dayIndex(index) {}
  bool isValid() const override { return !heatmap.isNull() && Date().isValid(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return table->window(); }
  QAccessibleInterface* parent() const override { return table; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (heatmap.isNull()) return s;
    s.focusable = true;
    s.selectable = true;
    s.selected = Date() == heatmap->Current();
    s.focused = s.selected && heatmap->hasFocus();
    return s;
  }
  QRect rect() const override {
    if (heatmap.isNull()) return {};
    const QRect local = heatmap->CellRect(Date());
    return {heatmap->mapToGlobal(local.topLeft()), local.size()};
  }
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || heatmap.isNull()) return {};
    return heatmap->CellName(Date());
  }
  void setText(QAccessible::Text, const QString&) override {}

 private:
  QDate Date() const {
    if (heatmap.isNull() || heatmap->Year() == 0) return {};
    const QDate date = QDate(heatmap->Year(), 1, 1).addDays(dayIndex);
    return date.year() == heatmap->Year() ? date : QDate();
  }
  QPointer<TYearHeatmap> heatmap;
  QAccessibleInterface* table;
  int dayIndex;
};

class THeatmapTable : public QAccessibleWidget {
 public:
  explicit THeatmapTable(TYearHeatmap* map)
      : QAccessibleWidget(map, QAccessible::Table), heatmap(map) {}
  int childCount() const override {
    return heatmap->Year() == 0 ? 0 : QDate(heatmap->Year(), 1, 1).daysInYear();
  }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    auto* self = const_cast<THeatmapTable*>(this);
    return cells.At(index, [&](int day) { return new THeatmapCell(heatmap, self, day); });
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return cells.IndexOf(child);
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QDate date = heatmap->DateAt(heatmap->mapFromGlobal(QPoint(x, y)));
    return date.isValid() ? child(date.dayOfYear() - 1) : nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    const QDate current = heatmap->Current();
    return heatmap->hasFocus() && current.isValid() ? child(current.dayOfYear() - 1) : nullptr;
  }

 private:
  TYearHeatmap* heatmap;
  mutable TAccessibleCells cells;
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
  auto* heatmap = qobject_cast<TYearHeatmap*>(object);
  return heatmap != nullptr ? new THeatmapTable(heatmap) : nullptr;
}

}  // namespace

void TYearHeatmap::InstallAccess() {
  static const bool installed = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  (void)installed;
}
