// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/itemviews.h"

#include <QAccessible>

void AnnounceCurrentItemSoon(QAbstractItemView* view) {
  if (!QAccessible::isActive()) return;
  // The toolkit names the view itself as focused after its focus-in handler has run.
  QMetaObject::invokeMethod(
      view,
      [view] {
        const QModelIndex current = view->currentIndex();
        if (!view->hasFocus() || !current.isValid()) return;
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
        QAccessibleTableInterface* cells = table != nullptr ? table->tableInterface() : nullptr;
        QAccessibleInterface* cell =
            cells != nullptr ? cells->cellAt(current.row(), current.column()) : nullptr;
        const int child = cell != nullptr ? table->indexOfChild(cell) : -1;
        if (child < 0) return;
        QAccessibleEvent focused(view, QAccessible::Focus);
        focused.setChild(child);
        QAccessible::updateAccessibility(&focused);
      },
      Qt::QueuedConnection);
}
