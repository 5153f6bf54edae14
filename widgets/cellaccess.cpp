// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/cellaccess.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QPointer>
#include <QToolTip>
#include <QWidget>

#include "widgets/accessiblecells.h"

namespace {

const TCellSource* SourceOf(const QWidget* widget) {
  return dynamic_cast<const TCellSource*>(widget);
}

class TCell : public TAccessibleLeaf {
 public:
  TCell(QWidget* owner, QAccessibleInterface* parentTable, int at)
      : TAccessibleLeaf(parentTable), widget(owner), index(at) {}
  bool isValid() const override { return !widget.isNull() && index < Source()->CellCount(); }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) return s;
    s.focusable = true;
    s.selectable = true;
    s.selected = Source()->CurrentCell() == index;
    s.focused = s.selected && widget->hasFocus();
    return s;
  }
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect local = Source()->CellArea(index);
    return {widget->mapToGlobal(local.topLeft()), local.size()};
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && isValid() ? Source()->CellName(index) : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}

 private:
  const TCellSource* Source() const { return SourceOf(widget.data()); }
  QPointer<QWidget> widget;
  int index;
};

class TCellTable : public QAccessibleWidget {
 public:
  explicit TCellTable(QWidget* owner) : QAccessibleWidget(owner, QAccessible::Table) {}
  int childCount() const override { return Source()->CellCount(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    auto* self = const_cast<TCellTable*>(this);
    return cells.At(index, [&](int i) { return new TCell(widget(), self, i); });
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return cells.IndexOf(child);
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    return child(Source()->CellAt(widget()->mapFromGlobal(QPoint(x, y))));
  }
  QAccessibleInterface* focusChild() const override {
    return widget()->hasFocus() ? child(Source()->CurrentCell()) : nullptr;
  }

 private:
  const TCellSource* Source() const { return SourceOf(widget()); }
  mutable TAccessibleCells cells;
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  return widget != nullptr && SourceOf(widget) != nullptr ? new TCellTable(widget) : nullptr;
}

}  // namespace

void InstallCellAccess() {
  static const bool installed = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  (void)installed;
}

void AnnounceCell(QWidget* widget, int index) {
  if (!QAccessible::isActive() || !widget->hasFocus() || index < 0) return;
  QAccessibleEvent focused(widget, QAccessible::Focus);
  focused.setChild(index);
  QAccessible::updateAccessibility(&focused);
}

void AnnounceCurrentCellSoon(QWidget* widget) {
  if (!QAccessible::isActive()) return;
  QMetaObject::invokeMethod(
      widget,
      [widget] {
        if (const TCellSource* source = SourceOf(widget)) {
          AnnounceCell(widget, source->CurrentCell());
        }
      },
      Qt::QueuedConnection);
}

bool CellWidgetEvent(QWidget* widget, QEvent* event) {
  const TCellSource* source = SourceOf(widget);
  switch (event->type()) {
    case QEvent::ToolTip: {
      const auto* help = static_cast<QHelpEvent*>(event);
      const int cell = source->CellAt(help->pos());
      if (cell < 0) {
        QToolTip::hideText();
        event->ignore();
      } else {
        QToolTip::showText(help->globalPos(), source->CellName(cell), widget,
                           source->CellArea(cell));
      }
      return true;
    }
    case QEvent::FocusIn:
      AnnounceCurrentCellSoon(widget);
      widget->update();
      return false;
    case QEvent::FocusOut:
      widget->update();
      return false;
    default:
      return false;
  }
}
