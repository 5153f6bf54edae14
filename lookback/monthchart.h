// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

// The words of each month of a year as bars, January to December, in the palette's colours. A
// screen reader hears the months and their words as the chart's description.
class TMonthChart : public QWidget {
  Q_OBJECT

 public:
  explicit TMonthChart(QWidget* parent = nullptr);

  void SetYear(int year, const std::array<int64_t, 12>& monthWords);
  // "March: 1,204 words"
  QString MonthName(int month) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QRect BarRect(int month, int64_t most) const;  // month 1 to 12
  QRect Column(int month) const;

  int year = 0;
  std::array<int64_t, 12> words{};
};
