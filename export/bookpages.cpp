// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/bookpages.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QTextLayout>

namespace {

// The body's families: a common sans-serif, then Japanese fonts (the package recommends one), so
// that kana and kanji are set in a Japanese design rather than in whatever the system finds.
QFont BookFont(const QLocale& locale, qreal points, bool bold) {
  QStringList families{QStringLiteral("DejaVu Sans"), QStringLiteral("IPAPGothic"),
                       QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP")};
  if (locale.language() == QLocale::Japanese) families.move(0, families.size() - 1);
  QFont font;
  font.setFamilies(families);
  font.setPointSizeF(points);
  font.setBold(bold);
  // No ligatures where the script needs none: a searched "first" is found, not "ﬁrst".
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

}  // namespace

QPageSize PageSizeFor(const QLocale& locale) {
  return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                           : QPageSize::A4);
}

TBookPages::TBookPages(QPagedPaintDevice& d, const marrowleaf::ExportTexts& t, bool perPage)
    : device(d),
      texts(t),
      dayPerPage(perPage),
      body(BookFont(t.locale, 11, false)),
      heading(BookFont(t.locale, 14, true)),
      tab(BookFont(t.locale, 11, true)),
      title(BookFont(t.locale, 20, true)) {}

TBookPages::~TBookPages() {
  if (painter.isActive()) painter.end();
}

bool TBookPages::Begin() {
  if (!painter.begin(&device)) return false;
  page = 1;
  const QRectF whole(0, 0, device.width(), device.height());
  const qreal footer = QFontMetricsF(body, &device).height() * 2;
  area = whole.adjusted(0, 0, 0, -footer);
  y = area.top();
  Paragraph(texts.title, title, QFontMetricsF(body, &device).height() * 0.5);
  Paragraph(texts.range, body, QFontMetricsF(body, &device).height());
  return true;
}

void TBookPages::NewPage() {
  Footer();
  device.newPage();
  ++page;
  y = area.top();
  daysOnPage = false;
}

void TBookPages::Footer() {
  painter.setFont(body);
  const QRectF foot(0, area.bottom(), device.width(), device.height() - area.bottom());
  painter.drawText(foot, Qt::AlignHCenter | Qt::AlignBottom, texts.locale.toString(page));
}

void TBookPages::Paragraph(const QString& text, const QFont& font, qreal spaceAfter) {
  painter.setFont(font);
  const QFontMetricsF metrics(font, &device);
  // Each line of the text on its own, wrapped to the page; a line too low for the page starts
  // the next one.
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    if (line.isEmpty()) {
      if (y + metrics.height() > area.bottom()) NewPage();
      y += metrics.height();
      continue;
    }
    QTextLayout layout(line, font, &device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
      l.setLineWidth(area.width());
      l.setPosition(QPointF(0, height));
      height += l.height();
    }
    layout.endLayout();
    for (int i = 0; i < layout.lineCount(); ++i) {
      const QTextLine l = layout.lineAt(i);
      if (y + l.height() > area.bottom()) NewPage();
      l.draw(&painter, QPointF(area.left(), y - l.y()));
      y += l.height();
    }
  }
  y += spaceAfter;
}

void TBookPages::Day(const marrowleaf::ExportDay& day) {
  const qreal line = QFontMetricsF(body, &device).height();
  if (dayPerPage && daysOnPage) NewPage();
  // A day's heading never stands alone at the foot of a page.
  if (y + 4 * line > area.bottom()) NewPage();
  daysOnPage = true;
  Paragraph(marrowleaf::DayHeading(day.date, texts.locale), heading, line * 0.5);
  for (const marrowleaf::ExportEntry& entry : day.entries) {
    if (texts.tabHeadings) Paragraph(texts.tabNames.value(entry.tab), tab, line * 0.25);
    Paragraph(entry.text, body, line);
  }
}

void TBookPages::End() {
  if (!painter.isActive()) return;
  Footer();
  painter.end();
}
