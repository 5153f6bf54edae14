// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextDocumentLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <unordered_map>
#include <vector>

class QTextLayout;

// The plain text's layout, with room under each line that ends a picture's link for the picture
// it names. Only the lines' places change: the document's text, its blocks and the lines a block
// counts stay those of the plain layout, so nothing the text area does with its text (typing,
// undo, spelling, tags, Find) sees the pictures.
class TPictureLayout : public QPlainTextDocumentLayout {
  Q_OBJECT

 public:
  // The room a link's picture takes when the line is `width` pixels wide.
  using Measure = std::function<QSizeF(const QString& path, qreal width)>;
  TPictureLayout(QTextDocument* document, Measure measure);

  struct Room {
    int start = 0;  // the link, from the block's start
    int length = 0;
    QString path;
    QString alt;
    QRectF rect;  // where the picture goes, from the block's top left
  };
  // The pictures of a block, as laid out.
  std::vector<Room> Rooms(const QTextBlock& block) const;
  // Whether any block laid out so far holds a picture's link.
  bool HasRooms() const;
  // The sizes the measure gives have changed: every block is placed again.
  void MeasuresChanged();

  QRectF blockBoundingRect(const QTextBlock& block) const override;

 protected:
  void documentChanged(int from, int charsRemoved, int charsAdded) override;

 private:
  struct Links {
    int revision = -1;
    int length = -1;
    std::vector<Room> rooms;
    qreal height = 0;  // of the rooms as last placed
  };
  const Links& LinksOf(const QTextBlock& block) const;
  // Puts the block's lines one under the other with the rooms between them: the block's height.
  qreal Place(const QTextBlock& block, Links& links) const;

  Measure measure;
  static constexpr qreal kGap = 4;  // above and below a picture
  // By the block's layout, which lives as long as the block; checked against its revision.
  mutable std::unordered_map<const QTextLayout*, Links> links;
};
