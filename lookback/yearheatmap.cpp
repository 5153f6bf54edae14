// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookback/yearheatmap.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "lookback/lookbackdates.h"

namespace {

constexpr int kMinPitch = 8;
constexpr int kPitch = 13;  // the pitch the window asks room for
constexpr int kMaxPitch = 18;
constexpr int kMaxColumns = 54;  // 1 January on the week's last day of a leap year

QColor Mix(const QColor& a, const QColor& b, double share) {
  return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * share),
                          static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * share),
                          static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * share));
}

}  // namespace

TYearHeatmap::TYearHeatmap(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Heatmap"));
  setFocusPolicy(Qt::StrongFocus);
  QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
  InstallAccess();
}

void TYearHeatmap::SetYear(int shown, std::vector<int64_t> dayWords) {
  year = shown;
  words = std::move(dayWords);
  words.resize(static_cast<size_t>(QDate(year, 1, 1).daysInYear()), 0);
  std::vector<int64_t> written;
  for (const int64_t w : words) {
    if (w > 0) written.push_back(w);
  }
  std::sort(written.begin(), written.end());
  for (size_t i = 0; i < bounds.size(); ++i) {
    bounds[i] = written.empty() ? 1 : written[written.size() * (i + 1) / 4];
  }
  if (current.year() != year) current = QDate();
  update();
}

void TYearHeatmap::SetCurrent(const QDate& date) {
  if (date.isValid() && date.year() == year && date != current) {
    current = date;
    update();
  }
}

int64_t TYearHeatmap::Words(const QDate& date) const {
  if (!date.isValid() || date.year() != year) return 0;
  return words[static_cast<size_t>(date.dayOfYear() - 1)];
}

QString TYearHeatmap::CellName(const QDate& date) const {
  const int64_t n = Words(date);
  return tr("%1: %Ln words", nullptr, static_cast<int>(std::min<int64_t>(n, INT32_MAX)))
      .arg(lookback::LongDate(date));
}

int TYearHeatmap::Offset() const {
  return (QDate(year, 1, 1).dayOfWeek() - QLocale().firstDayOfWeek() + 7) % 7;
}

int TYearHeatmap::Columns() const { return (Offset() + QDate(year, 1, 1).daysInYear() + 6) / 7; }

TYearHeatmap::Geometry TYearHeatmap::Layout(int width) const {
  Geometry g;
  const QFontMetrics metrics = fontMetrics();
  const QLocale locale;
  int labels = 0;
  for (int day = 1; day <= 7; ++day) {
    labels = std::max(
        labels, metrics.horizontalAdvance(locale.standaloneDayName(day, QLocale::ShortFormat)));
  }
  g.left = labels + 6;
  g.top = metrics.height() + 2;
  g.pitch = std::clamp((width - g.left - 2) / kMaxColumns, kMinPitch, kMaxPitch);
  g.cell = g.pitch - (g.pitch >= 11 ? 2 : 1);
  return g;
}

int TYearHeatmap::heightForWidth(int width) const {
  const Geometry g = Layout(width);
  return g.top + 7 * g.pitch + 6 + fontMetrics().height() + 4;
}

QSize TYearHeatmap::sizeHint() const {
  const int width = Layout(0).left + kMaxColumns * kPitch + 2;
  return {width, heightForWidth(width)};
}

QSize TYearHeatmap::minimumSizeHint() const {
  const int width = Layout(0).left + kMaxColumns * kMinPitch + 2;
  return {width, heightForWidth(width)};
}

QRect TYearHeatmap::CellRect(const QDate& date) const {
  if (!date.isValid() || date.year() != year) return {};
  const Geometry g = Layout(width());
  const int at = Offset() + date.dayOfYear() - 1;
  return {g.left + at / 7 * g.pitch, g.top + at % 7 * g.pitch, g.cell, g.cell};
}

QDate TYearHeatmap::DateAt(const QPoint& point) const {
  if (year == 0) return {};
  const Geometry g = Layout(width());
  if (point.x() < g.left || point.y() < g.top) return {};
  const int column = (point.x() - g.left) / g.pitch;
  const int row = (point.y() - g.top) / g.pitch;
  if (row >= 7 || (point.x() - g.left) % g.pitch >= g.cell ||
      (point.y() - g.top) % g.pitch >= g.cell) {
    return {};
  }
  const QDate date = QDate(year, 1, 1).addDays(column * 7 + row - Offset());
  return date.year() == year ? date : QDate();
}

int TYearHeatmap::Level(int64_t n) const {
  if (n <= 0) return 0;
  int level = 1;
  for (const int64_t bound : bounds) level += n >= bound ? 1 : 0;
  return level;
}

QColor TYearHeatmap::Shade(int level) const {
  // Shades between the window's background and the highlight colour, the highlight made light
  // enough on a dark background and dark enough on a light one to stand out from the empty days.
  const QColor ground = palette().color(QPalette::Window);
  if (level == 0) return Mix(ground, palette().color(QPalette::WindowText), 0.13);
  const QColor highlight = palette().color(QPalette::Highlight).toHsl();
  const bool dark = ground.lightnessF() < 0.5;
  const int lightness =
      dark ? std::max(highlight.lightness(), 170) : std::min(highlight.lightness(), 110);
  const QColor strong =
      QColor::fromHsl(highlight.hslHue(), std::max(highlight.hslSaturation(), 120), lightness);
  static constexpr double kShare[] = {0.3, 0.5, 0.75, 1.0};
  return Mix(ground, strong, kShare[std::clamp(level, 1, 4) - 1]);
}

void TYearHeatmap::paintEvent(QPaintEvent*) {
  if (year == 0) return;
  QPainter painter(this);
  const Geometry g = Layout(width());
  const QLocale locale;
  const QColor text = palette().color(QPalette::WindowText);
  const QFontMetrics metrics = fontMetrics();
  painter.setPen(text);
  // The months above the column of their first day, where there is room.
  int free = g.left;
  for (int month = 1; month <= 12; ++month) {
    const QRect first = CellRect(QDate(year, month, 1));
    const int x = first.left() + (QDate(year, month, 1).dayOfWeek() == locale.firstDayOfWeek()
                                      ? 0
                                      : g.pitch);  // a week shared with the month before
    const QString name = locale.standaloneMonthName(month, QLocale::ShortFormat);
    if (x < free) continue;
    painter.drawText(QRect(x, 0, metrics.horizontalAdvance(name) + 2, g.top),
                     Qt::AlignLeft | Qt::AlignVCenter, name);
    free = x + metrics.horizontalAdvance(name) + metrics.averageCharWidth();
  }
  // Every other weekday beside its row.
  for (int row = 1; row < 7; row += 2) {
    const int day = (locale.firstDayOfWeek() - 1 + row) % 7 + 1;
    painter.drawText(QRect(0, g.top + row * g.pitch - 4, g.left - 6, g.cell + 8),
                     Qt::AlignRight | Qt::AlignVCenter,
                     locale.standaloneDayName(day, QLocale::ShortFormat));
  }
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  const QDate january(year, 1, 1);
  for (int i = 0; i < static_cast<int>(words.size()); ++i) {
    const QDate date = january.addDays(i);
    painter.setBrush(Shade(Level(words[static_cast<size_t>(i)])));
    painter.drawRoundedRect(QRectF(CellRect(date)), 2, 2);
  }
  if (current.isValid()) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(
        QPen(hasFocus() ? palette().color(QPalette::Highlight) : text, hasFocus() ? 2.0 : 1.0));
    painter.drawRoundedRect(QRectF(CellRect(current)).adjusted(-1, -1, 1, 1), 2, 2);
  }
  // The legend: the year's words on the left, the shades from none to most on the right.
  const int y = g.top + 7 * g.pitch + 6;
  const QRect line(g.left, y, width() - g.left - 2, metrics.height());
  int64_t total = 0;
  for (const int64_t w : words) total += w;
  painter.setPen(text);
  painter.drawText(
      line, Qt::AlignLeft | Qt::AlignVCenter,
      tr("%Ln words in %1", nullptr, static_cast<int>(std::min<int64_t>(total, INT32_MAX)))
          .arg(year));
  const QString less = tr("Less");
  const QString more = tr("More");
  int x = line.right() - metrics.horizontalAdvance(more);
  painter.drawText(QRect(x, y, metrics.horizontalAdvance(more) + 2, line.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, more);
  x -= 4 + 5 * g.pitch;
  painter.setPen(Qt::NoPen);
  for (int level = 0; level <= 4; ++level) {
    painter.setBrush(Shade(level));
    painter.drawRoundedRect(
        QRectF(x + level * g.pitch, y + (line.height() - g.cell) / 2.0, g.cell, g.cell), 2, 2);
  }
  painter.setPen(text);
  const int lessWidth = metrics.horizontalAdvance(less);
  painter.drawText(QRect(x - 4 - lessWidth, y, lessWidth + 2, line.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, less);
}

void TYearHeatmap::MoveCurrent(const QDate& to) {
  if (!to.isValid() || to.year() != year) return;
  current = to;
  update();
  if (hasFocus()) {
    QAccessibleEvent moved(this, QAccessible::Focus);
    moved.setChild(to.dayOfYear() - 1);
    QAccessible::updateAccessibility(&moved);
  }
}

void TYearHeatmap::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  pressed = DateAt(event->position().toPoint());
  MoveCurrent(pressed);
}

void TYearHeatmap::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  const QDate released = DateAt(event->position().toPoint());
  if (released.isValid() && released == pressed) Q_EMIT dayChosen(released);
  pressed = QDate();
}

void TYearHeatmap::keyPressEvent(QKeyEvent* event) {
  if (year == 0) return QWidget::keyPressEvent(event);
  const QDate from = current.isValid() ? current : QDate(year, 1, 1);
  switch (event->key()) {
    case Qt::Key_Left:
      return MoveCurrent(from.addDays(-7));
    case Qt::Key_Right:
      return MoveCurrent(from.addDays(7));
    case Qt::Key_Up:
      return MoveCurrent(from.addDays(-1));
    case Qt::Key_Down:
      return MoveCurrent(from.addDays(1));
    case Qt::Key_PageUp:
      return MoveCurrent(from.addMonths(-1));
    case Qt::Key_PageDown:
      return MoveCurrent(from.addMonths(1));
    case Qt::Key_Home:
      return MoveCurrent(QDate(year, 1, 1));
    case Qt::Key_End:
      return MoveCurrent(QDate(year, 12, 31));
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      MoveCurrent(from);
      Q_EMIT dayChosen(from);
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

bool TYearHeatmap::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::ToolTip: {
      const auto* help = static_cast<QHelpEvent*>(event);
      const QDate date = DateAt(help->pos());
      if (date.isValid()) {
        QToolTip::showText(help->globalPos(), CellName(date), this, CellRect(date));
      } else {
        QToolTip::hideText();
        event->ignore();
      }
      return true;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
      update();
      break;
    default:
      break;
  }
  return QWidget::event(event);
}

void TYearHeatmap::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) updateGeometry();
  QWidget::changeEvent(event);
}
