// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QTreeView>
#include <type_traits>

// Tells a screen reader that the view's current cell has the focus, once the events of the focus
// change under way are out: heard after the view itself, it is what the reader speaks last.
void AnnounceCurrentItemSoon(QAbstractItemView* view);

// An item view (QListView, QListWidget, QTreeView, ...) whose current row the program may move
// quietly. Qt 6.4's views tell a screen reader of every new current row as a focus event, whether
// the view has the focus or not: a list in a window behind the one the user types in would take
// the reader's focus whenever the program chose a row in it. Here a new current row is a focus
// event only while the view has the focus, and a view that gets the focus names its current cell
// after itself, so that tabbing into a list is heard as its row and not only as "list".
template <typename View>
class TQuietView : public View {
 public:
  using View::View;

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override {
    if (this->hasFocus()) {
      View::currentChanged(current, previous);
      return;
    }
    QAbstractItemView::currentChanged(current, previous);
    if constexpr (std::is_base_of_v<QTreeView, View>) {
      if (this->allColumnsShowFocus()) this->viewport()->update();
    }
  }
  void focusInEvent(QFocusEvent* event) override {
    View::focusInEvent(event);
    AnnounceCurrentItemSoon(this);
  }
};
