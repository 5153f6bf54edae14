// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

#include "widgets/cellaccess.h"

// The words of each month of a year as bars, January to December, in the palette's colours. The
// keyboard reaches it: Left and Right (Home, End) move between the months, and a screen reader
// hears the month with the focus and its words, as a table of twelve cells.
class TMonthChart : public QWidget, public TCellSource {
  Q_OBJECT

 public:
  explicit TMonthChart(QWidget* parent = nullptr);

  void SetYear(int year, const std::array<int64_t, 12>& monthWords);
  // The month with the keyboard, 1 to 12.
  void SetCurrent(int month);
  int Current() const { return current; }
  // "March: 1,204 words"
  QString MonthName(int month) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  int CellCount() const override { return year == 0 ? 0 : 12; }
  QString CellName(int index) const override { return MonthName(index + 1); }
  QRect CellArea(int index) const override { return Column(index + 1); }
  int CellAt(const QPoint& at) const override;
  int CurrentCell() const override { return year == 0 ? -1 : current - 1; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QRect BarRect(int month, int64_t most) const;  // month 1 to 12
  QRect Column(int month) const;
  void MoveCurrent(int month);

  int year = 0;
  int current = 1;
  std::array<int64_t, 12> words{};
};
