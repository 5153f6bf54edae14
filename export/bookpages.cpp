// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/bookpages.h"

#include <QGlyphRun>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <vector>

#include "engines/pictures/pictures.h"
#include "text/links.h"
#include "widgets/picturereader.h"

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

// Whether a face was designed without a bold weight (the Japanese fonts): its weight class in
// the font's OS/2 table is below semi-bold.
bool WithoutBoldDesign(const QRawFont& face) {
  const QByteArray os2 = face.fontTable("OS/2");
  if (os2.size() < 6) return false;
  const int weightClass = (static_cast<uchar>(os2[4]) << 8) | static_cast<uchar>(os2[5]);
  return weightClass < 600;
}

// A bold heading in a face without a bold weight: the toolkit thickens such glyphs only at small
// sizes in pixels, so a printer's or a preview's resolution would set the heading in the body's
// weight. An outline drawn over the glyphs thickens them on every device; the text under it
// stays text, to be searched and copied.
void Embolden(QPainter& painter, const QTextLine& line, const QPointF& at) {
  for (const QGlyphRun& run : line.glyphRuns()) {
    const QRawFont face = run.rawFont();
    if (!WithoutBoldDesign(face)) continue;
    QPainterPath outline;
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
      outline.addPath(face.pathForGlyph(glyphs[i]).translated(positions[i]));
    }
    QPen pen(painter.pen().color(), face.pixelSize() / 30);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.strokePath(outline.translated(at), pen);
  }
}

}  // namespace

QPageSize PageSizeFor(const QLocale& locale) {
  return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                           : QPageSize::A4);
}

TBookPages::TBookPages(QPagedPaintDevice& d, const marrowleaf::ExportTexts& t, bool perPage,
                       std::string dir)
    : device(d),
      texts(t),
      dayPerPage(perPage),
      saveDir(std::move(dir)),
      body(BookFont(t.locale, 11, false)),
      heading(BookFont(t.locale, 14, true)),
      tab(BookFont(t.locale, 11, true)),
      title(BookFont(t.locale, 20, true)) {}

TBookPages::~TBookPages() {
  if (painter.isActive()) painter.end();
}

bool TBookPages::Begin() {
  // The book's margins on the device's own paper: the locale's for a PDF file, the one chosen
  // in the print dialog for a printer.
  device.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
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
}

void TBookPages::Footer() {
  painter.setFont(body);
  const QRectF foot(0, area.bottom(), device.width(), device.height() - area.bottom());
  painter.drawText(foot, Qt::AlignHCenter | Qt::AlignBottom, texts.locale.toString(page));
}

void TBookPages::Paragraph(const QString& text, const QFont& font, qreal spaceAfter) {
  // Each line of the text on its own, wrapped to the page; a line too low for the page starts
  // the next one. The pictures a line links come under it, in place of their links; a link
  // whose picture cannot be shown stays as it was written.
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    if (saveDir.empty() || !line.contains(u"![")) {
      Line(line, font);
      continue;
    }
    QString rest;
    std::vector<QImage> pictures;
    qsizetype from = 0;
    for (const marrowleaf::PictureLink& link : marrowleaf::FindPictureLinks(line)) {
      QImage picture = PictureOf(QStringView(line).sliced(link.pathStart, link.pathLength));
      if (picture.isNull()) continue;
      rest += QStringView(line).sliced(from, link.start - from);
      pictures.push_back(std::move(picture));
      from = link.start + link.length;
    }
    rest += QStringView(line).sliced(from);
    if (pictures.empty() || !rest.trimmed().isEmpty()) Line(rest, font);
    for (const QImage& picture : pictures) Draw(picture);
  }
  y += spaceAfter;
}

QImage TBookPages::PictureOf(QStringView path) const {
  const marrowleaf::PicturePlace place = marrowleaf::LocatePicture(saveDir, path);
  if (place.kind != marrowleaf::PicturePlaceKind::kInDiary) return {};
  const marrowleaf::PictureFile read = marrowleaf::ReadPictureFile(place.file);
  if (!read.ok) return {};
  // No finer than 300 dots per inch on the page: enough for print, and a camera's full size is
  // never held.
  const qreal dpi = device.logicalDpiX();
  const QSize finest(static_cast<int>(area.width() / dpi * 300),
                     static_cast<int>(area.height() / dpi * 300));
  return DecodePicture(read.Bytes(), finest).image;
}

void TBookPages::Draw(const QImage& picture) {
  // A pixel is a screen's pixel (1/96 inch), as the text area shows it, the picture scaled down
  // to the page where it is larger.
  const QSizeF natural = QSizeF(picture.size()) * (device.logicalDpiX() / 96.0);
  const QSizeF size = natural.scaled(natural.boundedTo(area.size()), Qt::KeepAspectRatio);
  const qreal gap = QFontMetricsF(body, &device).height() * 0.25;
  if (y + size.height() + gap > area.bottom()) NewPage();
  painter.drawImage(QRectF(QPointF(area.left(), y + gap), size), picture);
  y += size.height() + 2 * gap;
}

void TBookPages::Line(const QString& line, const QFont& font) {
  painter.setFont(font);
  const QFontMetricsF metrics(font, &device);
  if (line.isEmpty()) {
    if (y + metrics.height() > area.bottom()) NewPage();
    y += metrics.height();
    return;
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
    if (font.bold()) Embolden(painter, l, QPointF(area.left(), y - l.y()));
    y += l.height();
  }
}

void TBookPages::Day(const marrowleaf::ExportDay& day) {
  const qreal line = QFontMetricsF(body, &device).height();
  // A day after another starts a page of its own, also when the other ran onto a second page.
  if (dayPerPage && days > 0) NewPage();
  // A day's heading never stands alone at the foot of a page.
  if (y + 4 * line > area.bottom()) NewPage();
  ++days;
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
