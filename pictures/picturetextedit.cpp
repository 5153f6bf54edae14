// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picturetextedit.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QUrl>
#include <algorithm>

#include "crypto/sealedfiles.h"
#include "engines/pictures/pictures.h"
#include "text/links.h"
#include "widgets/picturereader.h"

namespace {

using State = TPictureCache::State;

// The local picture files among the addresses of a paste or a drop.
QStringList PictureFiles(const QMimeData* source) {
  QStringList files;
  if (!source->hasUrls()) return files;
  const QList<QUrl> urls = source->urls();
  for (const QUrl& url : urls) {
    const QString file = url.toLocalFile();
    if (url.isLocalFile() && marrowleaf::IsPictureName(QFile::encodeName(file).toStdString())) {
      files << file;
    }
  }
  return files;
}

}  // namespace

TPictureTextEdit::TPictureTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  cache = new TPictureCache(folder.isEmpty() ? folder : folder + QStringLiteral("/pictures"), this);
  auto* document = new QTextDocument(this);
  layout = new TPictureLayout(
      document, [this](const QString& path, qreal width) { return Measure(path, width); });
  document->setDocumentLayout(layout);
  setDocument(document);
  connect(cache, &TPictureCache::changed, this, [this](const QString& path) {
    drawn.remove(path);
    layout->MeasuresChanged();
  });
  // A new text (an entry shown): its pictures are all asked for at once, not only those on
  // screen, so that they are decoded while the user reads and the blocks have their heights
  // before they are scrolled to. After the text is shown: the decoding waits for it.
  connect(document, &QTextDocument::contentsChange, this, [this](int from, int, int added) {
    if (from == 0 && added >= this->document()->characterCount() - 1) {
      QMetaObject::invokeMethod(this, &TPictureTextEdit::AskForAll, Qt::QueuedConnection);
    }
  });
}

void TPictureTextEdit::AskForAll() {
  if (!isVisible()) return;  // the layout asks once the text area has its width
  const qreal width = viewport()->width() - 2 * document()->documentMargin();
  const int pixels = static_cast<int>(std::ceil(width * devicePixelRatioF()));
  for (const auto& link : AllLinks()) cache->Lookup(link.second.path, pixels);
}

void TPictureTextEdit::SetDiary(const std::string& saveDir) {
  cache->SetDiary(saveDir);
  drawn.clear();
  layout->MeasuresChanged();
}

void TPictureTextEdit::SetKeep(Keep k) { keep = std::move(k); }

void TPictureTextEdit::RetryPictures() { cache->RetryFailed(); }

int TPictureTextEdit::Line() const { return fontMetrics().lineSpacing(); }

QSizeF TPictureTextEdit::Measure(const QString& path, qreal width) {
  const qreal ratio = devicePixelRatioF();
  // Laid out before it is on screen, or for a width it has left, the text area is not as it will
  // be shown: nothing is decoded for that.
  const bool current =
      isVisible() && qAbs(width + 2 * document()->documentMargin() - viewport()->width()) < 1;
  const TPictureCache::Picture& picture =
      cache->Lookup(path, static_cast<int>(std::ceil(width * ratio)), current);
  if (picture.state != State::kShown || picture.image.isNull()) return {width, Line() + 8.0};
  // A picture taller than the text area could never be seen whole: it is made to fit.
  const int tallest = std::max(4 * Line(), viewport()->height() - 2 * Line());
  return FittedSize(picture.image.size(), QSize(static_cast<int>(width), tallest));
}

void TPictureTextEdit::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  // The width lays the text out again anyway; a new height changes how tall a picture may be.
  if (viewport()->height() != roomHeight) {
    roomHeight = viewport()->height();
    if (layout->HasRooms()) layout->MeasuresChanged();
  }
}

std::vector<TPictureTextEdit::Placed> TPictureTextEdit::OnScreen() const {
  std::vector<Placed> placed;
  if (!layout->HasRooms()) return placed;
  QPointF offset = contentOffset();
  const qreal bottom = viewport()->height();
  for (QTextBlock block = firstVisibleBlock(); block.isValid() && offset.y() <= bottom;
       block = block.next()) {
    if (!block.isVisible()) continue;
    const QRectF bounds = blockBoundingRect(block).translated(offset);
    for (const TPictureLayout::Room& room : layout->Rooms(block)) {
      placed.push_back({room, block.position(), room.rect.translated(bounds.topLeft())});
    }
    offset.ry() += bounds.height();
  }
  return placed;
}

void TPictureTextEdit::paintEvent(QPaintEvent* event) {
  QPlainTextEdit::paintEvent(event);
  const std::vector<Placed> placed = OnScreen();
  if (placed.empty()) {
    drawn.clear();
    return;
  }
  QPainter painter(viewport());
  for (const Placed& picture : placed) {
    if (picture.rect.intersects(event->rect())) Draw(painter, picture);
  }
  // Only what is on screen keeps a copy at its drawn size.
  if (drawn.size() > static_cast<qsizetype>(placed.size())) {
    for (auto it = drawn.begin(); it != drawn.end();) {
      const bool shown = std::any_of(placed.begin(), placed.end(),
                                     [&](const Placed& p) { return p.room.path == it.key(); });
      it = shown ? std::next(it) : drawn.erase(it);
    }
  }
}

QString TPictureTextEdit::Placeholder(const QString& path,
                                      const TPictureCache::Picture& picture) const {
  const QString name = picture.name.isEmpty() ? path : picture.name;
  switch (picture.state) {
    case State::kLoading:
    case State::kShown:
      return {};
    case State::kMissing:
      return tr("Picture not found: %1").arg(name);
    case State::kOutside:
      return tr("Picture outside the diary: %1").arg(name);
    case State::kNotPicture:
      return tr("Not a picture: %1").arg(name);
    case State::kUnreadable:
      return tr("Picture cannot be shown: %1").arg(name);
  }
  return {};
}

void TPictureTextEdit::Draw(QPainter& painter, const Placed& placed) {
  const QString& path = placed.room.path;
  const qreal ratio = devicePixelRatioF();
  const TPictureCache::Picture& picture =
      cache->Lookup(path, static_cast<int>(std::ceil(placed.rect.width() * ratio)));
  const QRect rect = placed.rect.toAlignedRect();
  if (picture.state == State::kShown && !picture.image.isNull()) {
    QImage& image = drawn[path];
    const QSize pixels = (QSizeF(rect.size()) * ratio).toSize();
    if (image.size() != pixels) {
      image = picture.image.size() == pixels
                  ? picture.image
                  : picture.image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      image.setDevicePixelRatio(ratio);
    }
    painter.drawImage(rect.topLeft(), image);
  } else {
    // A line naming the file, in the frame a picture would have: the frame half way between the
    // placeholder's colour and the background, which every theme sets apart, drawn opaque (the
    // raster engine's fast path: a key typed beside it repaints it).
    const QColor text = palette().color(QPalette::PlaceholderText);
    const QColor base = palette().color(QPalette::Base);
    const QColor frame((text.red() + base.red()) / 2, (text.green() + base.green()) / 2,
                       (text.blue() + base.blue()) / 2);
    painter.fillRect(QRect(rect.topLeft(), QSize(rect.width(), 1)), frame);
    painter.fillRect(QRect(rect.bottomLeft(), QSize(rect.width(), 1)), frame);
    painter.fillRect(QRect(rect.topLeft(), QSize(1, rect.height())), frame);
    painter.fillRect(QRect(rect.topRight(), QSize(1, rect.height())), frame);
    const QString said = Placeholder(path, picture);
    if (!said.isEmpty()) {
      painter.setPen(text);
      const QRect inside = rect.adjusted(6, 0, -6, 0);
      painter.drawText(inside, Qt::AlignVCenter | Qt::AlignLeft,
                       fontMetrics().elidedText(said, Qt::ElideMiddle, inside.width()));
    }
  }
  // A selection that holds the link holds the picture: it is tinted as the text is.
  const QTextCursor cursor = textCursor();
  const int start = placed.blockPosition + placed.room.start;
  if (cursor.hasSelection() && cursor.selectionStart() <= start &&
      cursor.selectionEnd() >= start + placed.room.length) {
    QColor tint = palette().color(QPalette::Highlight);
    tint.setAlphaF(0.4f);
    painter.fillRect(rect, tint);
  }
}

std::optional<QString> TPictureTextEdit::PictureAt(int position) const {
  const QTextBlock block = document()->findBlock(position);
  if (!block.isValid()) return std::nullopt;
  const QString text = block.text();
  const int at = position - block.position();
  for (const marrowleaf::PictureLink& link : marrowleaf::FindPictureLinks(text)) {
    if (at > link.start && at < link.start + link.length) {
      return text.mid(link.pathStart, link.pathLength);
    }
  }
  return std::nullopt;
}

bool TPictureTextEdit::OpenPicture(const QString& path) {
  const TPictureCache::Picture& picture = cache->Lookup(path, 1, false);
  if (picture.state != State::kShown || picture.file.isEmpty()) return false;
  const std::string file = QFile::encodeName(picture.file).toStdString();
  std::string head;
  if (!marrowleaf::ReadFileHead(file, marrowleaf::kSealedHeaderSize, head) ||
      !marrowleaf::LooksSealed(head)) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(picture.file));
  }
  // A viewer cannot open a sealed picture: it gets a plain copy, in a folder of this user's
  // alone, kept while the viewer may still read it.
  if (!openedCopies) {
    openedCopies = std::make_unique<QTemporaryDir>(
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
        QStringLiteral("/marrowleaf-XXXXXX"));
  }
  if (!openedCopies->isValid()) return false;
  const QString copy = openedCopies->filePath(QFileInfo(picture.file).fileName());
  const marrowleaf::FileOpening opened = marrowleaf::OpenFileTo(
      *marrowleaf::SealingFor(file).keys, file, QFile::encodeName(copy).toStdString());
  return opened.outcome.ok && QDesktopServices::openUrl(QUrl::fromLocalFile(copy));
}

TPictureCache::State TPictureTextEdit::PictureState(const QString& path) {
  return cache->Lookup(path, 1, false).state;
}

QRect TPictureTextEdit::PictureRect(const QString& path) const {
  for (const Placed& placed : OnScreen()) {
    if (placed.room.path == path) return placed.rect.toAlignedRect();
  }
  return {};
}

void TPictureTextEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    for (const Placed& placed : OnScreen()) {
      if (placed.rect.contains(event->position()) && OpenPicture(placed.room.path)) {
        event->accept();
        return;
      }
    }
  }
  QPlainTextEdit::mouseDoubleClickEvent(event);
}

void TPictureTextEdit::keyPressEvent(QKeyEvent* event) {
  // Enter inside a picture's link opens it: a line break there would only break the link. At
  // either end of the link, and anywhere else, Enter starts a new line.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
      !textCursor().hasSelection()) {
    const std::optional<QString> path = PictureAt(textCursor().position());
    if (path && OpenPicture(*path)) {
      event->accept();
      return;
    }
  }
  QPlainTextEdit::keyPressEvent(event);
}

bool TPictureTextEdit::canInsertFromMimeData(const QMimeData* source) const {
  if (keep && (!PictureFiles(source).isEmpty() || (source->hasImage() && !source->hasText()))) {
    return true;
  }
  return QPlainTextEdit::canInsertFromMimeData(source);
}

void TPictureTextEdit::insertFromMimeData(const QMimeData* source) {
  if (keep) {
    // Picture files first (a file manager's copy or drop); image data only where no text comes
    // with it, since a program that copies text often adds a picture of it.
    const QStringList files = PictureFiles(source);
    if (!files.isEmpty()) {
      InsertPictures(files);
      return;
    }
    if (source->hasImage() && !source->hasText()) {
      InsertPictures({}, qvariant_cast<QImage>(source->imageData()));
      return;
    }
  }
  QPlainTextEdit::insertFromMimeData(source);
}

bool TPictureTextEdit::InsertPictures(const QStringList& files, const QImage& image) {
  if (!keep || isReadOnly()) return false;
  QStringList typed;
  for (const QString& file : files) {
    const QString path = keep(file, QImage());
    if (!path.isEmpty())
      typed << marrowleaf::PictureLinkText(QFile::encodeName(path).toStdString());
  }
  if (files.isEmpty() && !image.isNull()) {
    const QString path = keep(QString(), image);
    if (!path.isEmpty())
      typed << marrowleaf::PictureLinkText(QFile::encodeName(path).toStdString());
  }
  if (typed.isEmpty()) return false;
  QTextCursor cursor = textCursor();
  cursor.insertText(typed.join(QLatin1Char('\n')));
  setTextCursor(cursor);
  ensureCursorVisible();
  return true;
}

const std::vector<std::pair<int, TPictureLayout::Room>>& TPictureTextEdit::AllLinks() const {
  if (linksRevision == document()->revision()) return links;
  linksRevision = document()->revision();
  auto& all = links;
  all.clear();
  if (!document()->toRawText().contains(u"![")) return all;
  for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next()) {
    const QString text = block.text();
    for (const marrowleaf::PictureLink& link : marrowleaf::FindPictureLinks(text)) {
      all.emplace_back(block.position(),
                       TPictureLayout::Room{static_cast<int>(link.start),
                                            static_cast<int>(link.length),
                                            text.mid(link.pathStart, link.pathLength),
                                            text.mid(link.altStart, link.altLength),
                                            {}});
    }
  }
  return all;
}

int TPictureTextEdit::GraphicCount() const { return static_cast<int>(AllLinks().size()); }

QString TPictureTextEdit::GraphicName(int index) const {
  const auto& all = AllLinks();
  if (index < 0 || index >= static_cast<int>(all.size())) return {};
  const TPictureLayout::Room& room = all[static_cast<size_t>(index)].second;
  const TPictureCache::Picture& picture = cache->Lookup(room.path, 1, false);
  const QString missing = Placeholder(room.path, picture);
  if (!missing.isEmpty()) return missing;
  return tr("Picture: %1").arg(room.alt.isEmpty() ? picture.name : room.alt);
}

QRect TPictureTextEdit::GraphicRect(int index) const {
  const auto& all = AllLinks();
  if (index < 0 || index >= static_cast<int>(all.size())) return {};
  const auto& [position, room] = all[static_cast<size_t>(index)];
  for (const Placed& placed : OnScreen()) {
    if (placed.blockPosition == position && placed.room.start == room.start) {
      return placed.rect.toAlignedRect();
    }
  }
  return {};
}
