// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QEvent;
class QWidget;

// A widget drawn by hand whose parts are cells the keyboard moves between (the heatmap's days,
// the month chart's months). A widget that is also a TCellSource is heard by a screen reader as a
// table of those cells, each named by CellName, the current one focused while the widget has the
// focus.
class TCellSource {
 public:
  virtual ~TCellSource() = default;
  virtual int CellCount() const = 0;
  virtual QString CellName(int index) const = 0;
  virtual QRect CellArea(int index) const = 0;     // in the widget's coordinates
  virtual int CellAt(const QPoint& at) const = 0;  // -1: no cell there
  virtual int CurrentCell() const = 0;             // -1: none
};

// Once per process: the accessibility of every TCellSource widget.
void InstallCellAccess();
// Tells a screen reader that cell `index` of `widget` has the focus, where the widget has it.
void AnnounceCell(QWidget* widget, int index);
// The same for the current cell, once the events of a focus change under way are out, so that it
// is heard after the widget itself.
void AnnounceCurrentCellSoon(QWidget* widget);
// What a TCellSource widget does alike with `event`: the tooltip of the cell under the pointer
// (its name), and on a change of focus the current cell heard and the widget repainted. True
// where the event is done with.
bool CellWidgetEvent(QWidget* widget, QEvent* event);
