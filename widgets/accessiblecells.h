// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <cstddef>
#include <vector>

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
