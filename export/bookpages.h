// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <string>

#include "engines/export/export.h"

class QPagedPaintDevice;

// The diary's days on pages, laid out and painted as they come (never one document of the whole
// range): the title and the range on the first page, each day under its date, each tab's entry
// under the tab's name when several tabs are exported, long lines wrapped, page numbers at the
// foot. For a PDF file and for a printer alike; text stays text, in fonts the device embeds. With
// the diary's folder, each picture a line links is drawn under the line, scaled to the page,
// where the link stood.
class TBookPages {
 public:
  TBookPages(QPagedPaintDevice& device, const marrowleaf::ExportTexts& texts, bool dayPerPage,
             std::string saveDir = {});
  ~TBookPages();
  TBookPages(const TBookPages&) = delete;
  TBookPages& operator=(const TBookPages&) = delete;

  bool Begin();  // false when the device cannot be painted on
  void Day(const marrowleaf::ExportDay& day);
  void End();

 private:
  void NewPage();
  void Footer();
  void Paragraph(const QString& text, const QFont& font, qreal spaceAfter);
  void Line(const QString& line, const QFont& font);
  // The picture `path` names, decoded for the page; empty where it cannot be shown.
  QImage PictureOf(QStringView path) const;
  void Draw(const QImage& picture);

  QPagedPaintDevice& device;
  marrowleaf::ExportTexts texts;
  bool dayPerPage;
  std::string saveDir;
  QPainter painter;
  QFont body;
  QFont heading;
  QFont tab;
  QFont title;
  QRectF area;  // the page inside its margins, the footer's line left out
  qreal y = 0;
  int page = 0;
  int days = 0;  // laid out so far
};

// The page size for the user's country: Letter where measures are American, else A4.
QPageSize PageSizeFor(const QLocale& locale);
