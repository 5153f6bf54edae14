// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookback/yearheatmap.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

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

// Relative luminance, as the contrast rule defines it on sRGB.
double Luminance(const QColor& colour) {
  const auto linear = [](double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
         0.0722 * linear(colour.blueF());
}

QColor Hsl(int hue, int saturation, double lightness) {
  return QColor::fromHslF(static_cast<float>(hue) / 359.0f, static_cast<float>(saturation) / 255.0f,
                          static_cast<float>(lightness))
      .toRgb();
}

// The colour of `hue` and `saturation` whose luminance is `wanted`, found on its lightness.
QColor WithLuminance(int hue, int saturation, double wanted) {
  double low = 0;
  double high = 1;
  for (int step = 0; step < 24; ++step) {
    const double middle = (low + high) / 2;
    (Luminance(Hsl(hue, saturation, middle)) < wanted ? low : high) = middle;
  }
  return Hsl(hue, saturation, (low + high) / 2);
}

}  // namespace

TYearHeatmap::TYearHeatmap(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Heatmap"));
  setFocusPolicy(Qt::StrongFocus);
  QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
  InstallCellAccess();
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
  if (current.year() != year) {
    // The same day of another year, 28 February for the 29th; with none yet, 1 January.
    current = current.isValid()
                  ? QDate(year, current.month(),
                          std::min(current.day(), QDate(year, current.month(), 1).daysInMonth()))
                  : QDate(year, 1, 1);
  }
  update();
}

void TYearHeatmap::SetToday(const QDate& date) {
  today = date;
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

double TYearHeatmap::Contrast(const QColor& a, const QColor& b) {
  const double one = Luminance(a);
  const double two = Luminance(b);
  return (std::max(one, two) + 0.05) / (std::min(one, two) + 0.05);
}

QColor TYearHeatmap::Shade(int level) const {
  const QColor ground = palette().color(QPalette::Window);
  // A day without words: an outline halfway to the text colour, 3:1 from the background.
  if (level <= 0) return Mix(ground, palette().color(QPalette::WindowText), 0.5);
  // The highlight's hue, away from the background: darker on a light one, lighter on a dark one.
  // Level 1 is 3:1 from the background, level 4 the farthest the hue goes, the levels between
  // at equal ratios of contrast.
  const QColor highlight = palette().color(QPalette::Highlight).toHsl();
  const int hue = std::max(highlight.hslHue(), 0);
  const int saturation = std::max(highlight.hslSaturation(), 120);
  const double back = Luminance(ground);
  const bool dark = back < 0.18;
  const double farthest = Luminance(Hsl(hue, saturation, dark ? 0.9 : 0.16));
  const double most = (std::max(back, farthest) + 0.05) / (std::min(back, farthest) + 0.05);
  // A little above 3:1, so that the colour's rounding to whole steps keeps it there.
  constexpr double kLeast = 3.05;
  const double step = std::pow(std::max(most / kLeast, 1.0), 1.0 / 3.0);
  const double contrast = kLeast * std::pow(step, std::clamp(level, 1, 4) - 1);
  const double wanted = dark ? (back + 0.05) * contrast - 0.05 : (back + 0.05) / contrast - 0.05;
  return WithLuminance(hue, saturation, std::clamp(wanted, 0.0, 1.0));
}

void TYearHeatmap::PaintDay(QPainter& painter, const QRect& cell, int level, bool toCome) const {
  const QRectF box(cell);
  if (toCome) {
    // A day still to come: a dot, not the outline of a day left unwritten.
    const double r = std::max(1.0, cell.width() / 6.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Shade(0));
    painter.drawEllipse(box.center(), r, r);
  } else if (level == 0) {
    painter.setPen(QPen(Shade(0), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
  } else {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Shade(level));
    painter.drawRoundedRect(box, 2, 2);
  }
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
  const QDate january(year, 1, 1);
  for (int i = 0; i < static_cast<int>(words.size()); ++i) {
    const QDate date = january.addDays(i);
    const int64_t n = words[static_cast<size_t>(i)];
    PaintDay(painter, CellRect(date), Level(n), n == 0 && today.isValid() && date > today);
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
  for (int level = 0; level <= 4; ++level) {
    PaintDay(painter, QRect(x + level * g.pitch, y + (line.height() - g.cell) / 2, g.cell, g.cell),
             level, false);
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
  AnnounceCell(this, CurrentCell());
}

int TYearHeatmap::CellCount() const { return year == 0 ? 0 : static_cast<int>(words.size()); }

QString TYearHeatmap::CellName(int index) const {
  return CellName(QDate(year, 1, 1).addDays(index));
}

QRect TYearHeatmap::CellArea(int index) const { return CellRect(QDate(year, 1, 1).addDays(index)); }

int TYearHeatmap::CellAt(const QPoint& at) const {
  const QDate date = DateAt(at);
  return date.isValid() ? date.dayOfYear() - 1 : -1;
}

int TYearHeatmap::CurrentCell() const {
  return current.isValid() && current.year() == year ? current.dayOfYear() - 1 : -1;
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
  return CellWidgetEvent(this, event) || QWidget::event(event);
}

void TYearHeatmap::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) updateGeometry();
  QWidget::changeEvent(event);
}
