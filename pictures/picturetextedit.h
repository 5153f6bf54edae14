// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QImage>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "pictures/picturecache.h"
#include "pictures/picturelayout.h"
#include "widgets/textgraphics.h"

// A plain text area that shows the pictures its text links (text/links.h) under the lines where
// the links stand, scaled to its width at most and never enlarged, and a one-line placeholder
// for a link whose picture cannot be shown. The text stays exactly what it is: the pictures are
// drawn in the room the layout leaves (pictures/picturelayout.h), so they change nothing the
// text area holds, set nothing modified and enter no undo step; copying a picture copies its
// link. A double click on a picture, or Enter inside its link, opens it at full size in the
// desktop's viewer. A picture pasted or dropped is handed to the owner to keep, and its link is
// typed at the cursor.
class TPictureTextEdit : public QPlainTextEdit, public TTextGraphics {
  Q_OBJECT

 public:
  explicit TPictureTextEdit(QWidget* parent = nullptr);

  // The diary the links' paths are relative to.
  void SetDiary(const std::string& saveDir);
  // A picture dropped or pasted, or chosen: the file `file`, or the image data `image` where
  // `file` is empty. Gives the path of the kept picture (relative to the diary) or an empty one
  // where it could not be kept (the owner has said why).
  using Keep = std::function<QString(const QString& file, const QImage& image)>;
  void SetKeep(Keep keep);
  // Keeps the pictures and types their links at the cursor, as one step to undo; false where
  // none could be kept.
  bool InsertPictures(const QStringList& files, const QImage& image = QImage());
  // A picture that could not be shown is looked for again (a sync may bring it): on each load.
  void RetryPictures();

  // The link's path at `position` of the text, for the link that holds it; none elsewhere.
  std::optional<QString> PictureAt(int position) const;
  // Opens the picture `path` names at full size; false where it is not shown.
  bool OpenPicture(const QString& path);
  // What became of the picture `path` names, and where it is drawn (in the viewport).
  TPictureCache::State PictureState(const QString& path);
  QRect PictureRect(const QString& path) const;
  int PendingPictures() const { return cache->Pending(); }

  int GraphicCount() const override;
  QString GraphicName(int index) const override;
  QRect GraphicRect(int index) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  struct Placed {
    TPictureLayout::Room room;
    int blockPosition = 0;
    QRectF rect;  // in the viewport
  };
  // Every picture of the visible blocks, as drawn.
  std::vector<Placed> OnScreen() const;
  // Every link of the text, in order, with the position of its block.
  const std::vector<std::pair<int, TPictureLayout::Room>>& AllLinks() const;
  QSizeF Measure(const QString& path, qreal width);
  void AskForAll();  // every picture of the text, decoded for the text area's width
  int Line() const;
  QString Placeholder(const QString& path, const TPictureCache::Picture& picture) const;
  void Draw(QPainter& painter, const Placed& placed);

  TPictureLayout* layout = nullptr;
  TPictureCache* cache = nullptr;
  // An encrypted diary's pictures opened in a viewer: their plain copies, in a private folder
  // under the runtime folder that goes with the text area (at the program's end at the latest).
  std::unique_ptr<QTemporaryDir> openedCopies;
  Keep keep;
  // The thumbnails scaled to the size they are drawn at, by path: scaled once, not at each paint.
  QHash<QString, QImage> drawn;
  int roomHeight = 0;  // the viewport's height the rooms were measured for
  // Every link of the text, for screen readers, as of the document's revision.
  mutable std::vector<std::pair<int, TPictureLayout::Room>> links;
  mutable int linksRevision = -1;
};
