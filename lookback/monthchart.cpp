// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookback/monthchart.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

TMonthChart::TMonthChart(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("MonthChart"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleDescription(tr("The words of each month; Left and Right move between the months"));
  InstallCellAccess();
}

void TMonthChart::SetYear(int shown, const std::array<int64_t, 12>& monthWords) {
  year = shown;
  words = monthWords;
  setAccessibleName(tr("Words per month of %1").arg(year));
  update();
}

void TMonthChart::SetCurrent(int month) {
  current = std::clamp(month, 1, 12);
  update();
}

void TMonthChart::MoveCurrent(int month) {
  SetCurrent(month);
  AnnounceCell(this, CurrentCell());
}

int TMonthChart::CellAt(const QPoint& at) const {
  if (year == 0 || !rect().contains(at)) return -1;
  return std::clamp((at.x() - 1) / std::max(1, (width() - 2) / 12), 0, 11);
}

QString TMonthChart::MonthName(int month) const {
  const int64_t n = words[static_cast<size_t>(std::clamp(month, 1, 12) - 1)];
  return tr("%1: %Ln words", nullptr, static_cast<int>(std::min<int64_t>(n, INT32_MAX)))
      .arg(QLocale().standaloneMonthName(month, QLocale::LongFormat));
}

QSize TMonthChart::sizeHint() const { return {12 * 44, 6 * fontMetrics().height() + 40}; }

QSize TMonthChart::minimumSizeHint() const { return {12 * 26, 3 * fontMetrics().height() + 30}; }

QRect TMonthChart::Column(int month) const {
  const int width = std::max(1, (this->width() - 2) / 12);
  return {1 + (month - 1) * width, 0, width, height()};
}

QRect TMonthChart::BarRect(int month, int64_t most) const {
  const QRect column = Column(month);
  const int line = fontMetrics().height();
  const int top = line + 4;                // room for the words above the tallest bar
  const int bottom = height() - line - 4;  // and for the month's name below
  const int room = std::max(1, bottom - top);
  const int64_t n = words[static_cast<size_t>(month - 1)];
  const int tall =
      most > 0 ? static_cast<int>(static_cast<double>(n) / static_cast<double>(most) * room) : 0;
  const int inset = std::max(2, column.width() / 6);
  return {column.left() + inset, bottom - tall, column.width() - 2 * inset, tall};
}

void TMonthChart::paintEvent(QPaintEvent*) {
  if (year == 0) return;
  QPainter painter(this);
  const QLocale locale;
  const QFontMetrics metrics = fontMetrics();
  const QColor text = palette().color(QPalette::WindowText);
  const int64_t most = *std::max_element(words.begin(), words.end());
  const int bottom = height() - metrics.height() - 4;
  painter.setPen(QPen(text, 1));
  painter.drawLine(1, bottom, width() - 2, bottom);
  for (int month = 1; month <= 12; ++month) {
    const QRect column = Column(month);
    const QRect bar = BarRect(month, most);
    painter.fillRect(bar, palette().color(QPalette::Highlight));
    painter.setPen(text);
    painter.drawText(QRect(column.left(), bottom + 2, column.width(), metrics.height() + 2),
                     Qt::AlignHCenter | Qt::AlignTop,
                     metrics.elidedText(locale.standaloneMonthName(month, QLocale::ShortFormat),
                                        Qt::ElideRight, column.width()));
    if (month == current && hasFocus()) {
      painter.setPen(QPen(palette().color(QPalette::Highlight), 2.0));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(QRectF(column).adjusted(1, 1, -1, -1));
      painter.setPen(text);
    }
    const int64_t n = words[static_cast<size_t>(month - 1)];
    const QString count = locale.toString(static_cast<qlonglong>(n));
    // The words above the bar, where the column is wide enough for them.
    if (n > 0 && metrics.horizontalAdvance(count) <= column.width()) {
      painter.drawText(
          QRect(column.left(), bar.top() - metrics.height() - 2, column.width(), metrics.height()),
          Qt::AlignHCenter | Qt::AlignBottom, count);
    }
  }
}

void TMonthChart::keyPressEvent(QKeyEvent* event) {
  if (year == 0) return QWidget::keyPressEvent(event);
  switch (event->key()) {
    case Qt::Key_Left:
      return MoveCurrent(current - 1);
    case Qt::Key_Right:
      return MoveCurrent(current + 1);
    case Qt::Key_Home:
      return MoveCurrent(1);
    case Qt::Key_End:
      return MoveCurrent(12);
    default:
      QWidget::keyPressEvent(event);
  }
}

void TMonthChart::mousePressEvent(QMouseEvent* event) {
  const int cell = CellAt(event->position().toPoint());
  if (event->button() != Qt::LeftButton || cell < 0) return QWidget::mousePressEvent(event);
  MoveCurrent(cell + 1);
}

bool TMonthChart::event(QEvent* event) {
  return CellWidgetEvent(this, event) || QWidget::event(event);
}
