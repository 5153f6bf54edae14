// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picturelayout.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <cmath>

#include "text/links.h"

TPictureLayout::TPictureLayout(QTextDocument* document, Measure m)
    : QPlainTextDocumentLayout(document), measure(std::move(m)) {}

const TPictureLayout::Links& TPictureLayout::LinksOf(const QTextBlock& block) const {
  Links& entry = links[block.layout()];
  if (entry.revision == block.revision() && entry.length == block.length()) return entry;
  entry.revision = block.revision();
  entry.length = block.length();
  entry.rooms.clear();
  const QString text = block.text();
  if (!text.contains(u"![")) return entry;
  for (const marrowleaf::PictureLink& link : marrowleaf::FindPictureLinks(text)) {
    entry.rooms.push_back({static_cast<int>(link.start),
                           static_cast<int>(link.length),
                           text.mid(link.pathStart, link.pathLength),
                           text.mid(link.altStart, link.altLength),
                           {}});
  }
  return entry;
}

qreal TPictureLayout::Place(const QTextBlock& block, Links& entry) const {
  // As the plain layout stacks them, lines at their height (a negative leading taken away), with
  // each picture's room under the line its link ends on.
  QTextLayout* layout = block.layout();
  const qreal margin = document()->documentMargin();
  const int lines = layout->lineCount();
  qreal y = 0;
  qreal rooms = 0;
  size_t next = 0;
  for (int i = 0; i < lines; ++i) {
    QTextLine line = layout->lineAt(i);
    line.setPosition(QPointF(line.position().x(), y));
    y += line.height();
    if (line.leading() < 0) y += std::ceil(line.leading());
    const int lineEnd = line.textStart() + line.textLength();
    while (next < entry.rooms.size() &&
           (i == lines - 1 || entry.rooms[next].start + entry.rooms[next].length <= lineEnd)) {
      Room& room = entry.rooms[next++];
      const QSizeF size = measure(room.path, line.width());
      room.rect = QRectF(QPointF(margin, y + kGap), size);
      y += size.height() + 2 * kGap;
      rooms += size.height() + 2 * kGap;
    }
  }
  entry.height = rooms;
  return y;
}

QRectF TPictureLayout::blockBoundingRect(const QTextBlock& block) const {
  if (!block.isValid()) return {};
  ensureBlockLayout(block);
  auto& entry = const_cast<Links&>(LinksOf(block));
  if (entry.rooms.empty() || !block.isVisible()) {
    entry.height = 0;
    return QPlainTextDocumentLayout::blockBoundingRect(block);
  }
  const qreal bottom = Place(block, entry);
  QRectF rect = QPlainTextDocumentLayout::blockBoundingRect(block);
  const qreal margin = block.next().isValid() ? 0 : document()->documentMargin();
  rect.setHeight(std::max(rect.height(), bottom + margin));
  return rect;
}

std::vector<TPictureLayout::Room> TPictureLayout::Rooms(const QTextBlock& block) const {
  if (!block.isValid()) return {};
  blockBoundingRect(block);
  return LinksOf(block).rooms;
}

bool TPictureLayout::HasRooms() const {
  for (const auto& [layout, entry] : links) {
    if (!entry.rooms.empty()) return true;
  }
  return false;
}

void TPictureLayout::MeasuresChanged() {
  // The blocks are placed again as they are asked for; the scroll bars and the screen follow.
  Q_EMIT documentSizeChanged(documentSize());
  requestUpdate();
}

void TPictureLayout::documentChanged(int from, int charsRemoved, int charsAdded) {
  QTextDocument* doc = document();
  if (from == 0 && charsAdded >= doc->characterCount() - 1) {
    // A new text (an entry loaded): the layouts of the old one are gone. A text of one block
    // may be repainted as that block alone: its pictures' room changes the scroll bar too.
    links.clear();
    QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
    if (doc->blockCount() == 1 && !LinksOf(doc->firstBlock()).rooms.empty()) MeasuresChanged();
    return;
  }
  // A change within one block: the plain layout repaints that block alone when its height stays.
  // Where the block's pictures changed their room, everything under it moves too.
  const QTextBlock block = doc->findBlock(from);
  const bool oneBlock =
      block.isValid() && block == doc->findBlock(std::max(0, from + charsRemoved + charsAdded - 1));
  qreal before = 0;
  if (oneBlock) {
    const auto known = links.find(block.layout());
    if (known != links.end()) before = known->second.height;
  }
  QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
  if (!oneBlock) return;
  blockBoundingRect(block);
  if (links[block.layout()].height != before) MeasuresChanged();
}
