// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "widgets/cellaccess.h"

// A year at a glance: a column per week, a cell per day, each cell shaded by the words written
// that day, with the months above, the weekdays beside and a legend below. A day without words is
// an outline, a day still to come a dot. Its colours come from the palette, so that a dark theme
// shades as well as a light one. The keys move the current cell (arrows by day and week, Home and
// End, Page Up and Page Down by month); Enter or a click chooses a day. A screen reader hears each
// cell as its date and words.
class TYearHeatmap : public QWidget, public TCellSource {
  Q_OBJECT

 public:
  explicit TYearHeatmap(QWidget* parent = nullptr);

  // The year shown and the words of each of its days (index 0 is 1 January). The current cell
  // keeps its day and month in the new year.
  void SetYear(int year, std::vector<int64_t> dayWords);
  int Year() const { return year; }
  // The cell with the keyboard; a date of another year is not taken.
  void SetCurrent(const QDate& date);
  QDate Current() const { return current; }
  // The days after this one are still to come.
  void SetToday(const QDate& date);

  int64_t Words(const QDate& date) const;
  // What a screen reader and the tooltip say of a day: "Tuesday, 9 December 2025: 312 words".
  QString CellName(const QDate& date) const;
  // Where a day's cell lies in the widget; an empty rectangle for a day of another year.
  QRect CellRect(const QDate& date) const;
  QDate DateAt(const QPoint& at) const;
  // The shade of a day's words, 0 (none) to 4, by the quarters of the days written this year.
  int Level(int64_t words) const;
  // The colour of a level: level 1 stands out from the window's background at 3:1 (the least
  // contrast of a graphic that must be seen), each further level as far again from the one
  // before as the palette allows. Level 0 is the outline of a day without words.
  QColor Shade(int level) const;
  // The contrast of two colours as the Web Content Accessibility Guidelines measure it, 1 to 21.
  static double Contrast(const QColor& a, const QColor& b);

  int CellCount() const override;
  QString CellName(int index) const override;
  QRect CellArea(int index) const override;
  int CellAt(const QPoint& at) const override;
  int CurrentCell() const override;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

 Q_SIGNALS:
  void dayChosen(const QDate& date);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct Geometry {
    int left = 0;  // where the first column starts
    int top = 0;   // where the first row starts
    int pitch = 0;
    int cell = 0;
  };
  Geometry Layout(int width) const;
  int Columns() const;
  int Offset() const;  // the empty rows of the first week, before 1 January
  void MoveCurrent(const QDate& to);
  void PaintDay(QPainter& painter, const QRect& cell, int level, bool toCome) const;

  int year = 0;
  std::vector<int64_t> words;
  std::array<int64_t, 3> bounds{};  // the words at which levels 2, 3 and 4 begin
  QDate current;
  QDate today;
  QDate pressed;  // the cell a left button went down on
};
