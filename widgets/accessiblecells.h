// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <cstddef>
#include <vector>

// A part of a widget that a screen reader hears on its own (a day cell, a picture in the text)
// but that has no object and no parts of its own: what every such leaf answers alike.
class TAccessibleLeaf : public QAccessibleInterface {
 public:
  explicit TAccessibleLeaf(QAccessibleInterface* parentPart) : container(parentPart) {}
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return container->window(); }
  QAccessibleInterface* parent() const override { return container; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

 protected:
  QAccessibleInterface* const container;  // the table or text the leaf is part of
};

// The cells of an accessible table of days (the calendar's grid, the heatmap): each made when a
// screen reader first asks for it, registered once, and let go with the table.
class TAccessibleCells {
 public:
  TAccessibleCells() = default;
  TAccessibleCells(const TAccessibleCells&) = delete;
  TAccessibleCells& operator=(const TAccessibleCells&) = delete;
  ~TAccessibleCells() {
    for (const QAccessible::Id id : ids) QAccessible::deleteAccessibleInterface(id);
  }
  // The cell at `index`, every cell before it made first by `make(i)`.
  template <typename Make>
  QAccessibleInterface* At(int index, const Make& make) {
    while (static_cast<int>(ids.size()) <= index) {
      ids.push_back(QAccessible::registerAccessibleInterface(make(static_cast<int>(ids.size()))));
    }
    return QAccessible::accessibleInterface(ids[static_cast<size_t>(index)]);
  }
  int IndexOf(const QAccessibleInterface* cell) const {
    for (size_t i = 0; i < ids.size(); ++i) {
      if (QAccessible::accessibleInterface(ids[i]) == cell) return static_cast<int>(i);
    }
    return -1;
  }

 private:
  std::vector<QAccessible::Id> ids;
};
