// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picturecache.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <vector>

#include "engines/pictures/pictures.h"
#include "widgets/picturereader.h"

namespace {

using State = TPictureCache::State;

// Thumbnails are decoded for widths in steps of this many pixels.
constexpr int kStep = 256;
// What the decoded thumbnails may take together; the ones looked at longest ago go first.
constexpr qint64 kMemoryBudget = qint64(64) * 1024 * 1024;

int StepFor(int width) { return std::max(1, (width + kStep - 1) / kStep) * kStep; }

std::string FileName(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

struct TPictureCache::Result {
  int generation = 0;
  QString path;
  State state = State::kLoading;
  QString file;
  QImage image;
  int step = 0;
};

namespace {

// The thumbnail of a picture whose bytes are known, from the cache folder or decoded (and then
// kept there).
QImage Thumbnail(std::string_view bytes, const QString& cacheFolder, int step, State& state) {
  const QString kept = cacheFolder.isEmpty()
                           ? QString()
                           : cacheFolder + QLatin1Char('/') +
                                 QString::fromStdString(marrowleaf::ContentKey(bytes)) +
                                 QLatin1Char('-') + QString::number(step);
  for (const char* suffix : {".jpg", ".png"}) {
    if (kept.isEmpty()) break;
    const marrowleaf::PictureFile thumbnail =
        marrowleaf::ReadPictureFile(FileName(kept + QLatin1String(suffix)));
    if (!thumbnail.ok) continue;
    TDecodedPicture decoded = DecodePicture(thumbnail.Bytes(), {});
    if (decoded.failure == TDecodedPicture::Failure::kNone) {
      state = State::kShown;
      return decoded.image;
    }
  }
  TDecodedPicture decoded = DecodePicture(bytes, QSize(step, 1 << 20));
  switch (decoded.failure) {
    case TDecodedPicture::Failure::kNone:
      state = State::kShown;
      break;
    case TDecodedPicture::Failure::kNotPicture:
      state = State::kNotPicture;
      return {};
    case TDecodedPicture::Failure::kTooLarge:
    case TDecodedPicture::Failure::kDamaged:
      state = State::kUnreadable;
      return {};
  }
  if (!kept.isEmpty()) {
    // Photos keep well as JPEG; what has transparency as PNG.
    const bool alpha = decoded.image.hasAlphaChannel();
    QByteArray encoded;
    QBuffer out(&encoded);
    out.open(QIODevice::WriteOnly);
    if (decoded.image.save(&out, alpha ? "PNG" : "JPEG", alpha ? -1 : 90) &&
        marrowleaf::MakePrivateDirectories(FileName(cacheFolder))) {
      marrowleaf::ReplaceFileContents(
          FileName(kept + (alpha ? QStringLiteral(".png") : QStringLiteral(".jpg"))),
          {encoded.constData(), static_cast<size_t>(encoded.size())},
          marrowleaf::NewFileAccess::kPrivate);
    }
  }
  return decoded.image;
}

}  // namespace

TPictureCache::TPictureCache(const QString& folder, QObject* parent)
    : QObject(parent), cacheFolder(folder) {
  // Two at a time: the window's own thread stays free, and so does some of the machine.
  pool.setMaxThreadCount(2);
}

TPictureCache::~TPictureCache() {
  pool.clear();
  pool.waitForDone();
}

void TPictureCache::SetDiary(const std::string& dir) {
  if (dir == saveDir) return;
  saveDir = dir;
  ++generation;
  pool.clear();
  pictures.clear();
  pending = 0;
}

const TPictureCache::Picture& TPictureCache::Lookup(const QString& path, int width) {
  auto it = pictures.find(path);
  if (it == pictures.end()) {
    it = pictures.insert(path, Picture());
    it->name = path.section(QLatin1Char('/'), -1);
  }
  Picture& picture = *it;
  picture.used = ++uses;
  const int step = StepFor(width);
  if (picture.wanted == 0) {
    // A thumbnail narrower than its step is the whole picture: no wider one exists.
    const bool wider = picture.state == State::kShown && step > picture.width &&
                       picture.image.width() >= picture.width;
    if (picture.state == State::kLoading || wider) Start(path, picture, step);
  }
  return picture;
}

void TPictureCache::RetryFailed() {
  for (Picture& picture : pictures) {
    if (picture.state != State::kShown && picture.state != State::kLoading) {
      picture.state = State::kLoading;
    }
  }
}

void TPictureCache::Start(const QString& path, Picture& picture, int step) {
  picture.wanted = step;
  ++pending;
  pool.start([this, path, step, dir = saveDir, folder = cacheFolder, at = generation] {
    Result result{at, path, State::kLoading, {}, {}, step};
    const marrowleaf::PicturePlace place = marrowleaf::LocatePicture(dir, path);
    switch (place.kind) {
      case marrowleaf::PicturePlaceKind::kInDiary: {
        result.file =
            QFileInfo(QFile::decodeName(QByteArray::fromStdString(place.file))).absoluteFilePath();
        const marrowleaf::PictureFile read = marrowleaf::ReadPictureFile(place.file);
        if (read.ok) {
          result.image = Thumbnail(read.Bytes(), folder, step, result.state);
        } else {
          result.state = read.missing ? State::kMissing : State::kUnreadable;
        }
        break;
      }
      case marrowleaf::PicturePlaceKind::kOutside:
      case marrowleaf::PicturePlaceKind::kAddress:
        result.state = State::kOutside;
        break;
      case marrowleaf::PicturePlaceKind::kNotPicture:
        result.state = State::kNotPicture;
        break;
    }
    QMetaObject::invokeMethod(
        this, [this, result] { Finish(result); }, Qt::QueuedConnection);
  });
}

void TPictureCache::Finish(const Result& result) {
  if (result.generation != generation) return;
  --pending;
  const auto it = pictures.find(result.path);
  if (it == pictures.end()) return;
  Picture& picture = *it;
  picture.wanted = 0;
  picture.file = result.file;
  picture.state = result.state;
  if (result.state == State::kShown) {
    picture.image = result.image;
    picture.width = result.step;
  } else {
    picture.image = QImage();
    picture.width = 0;
  }
  Trim();
  Q_EMIT changed(result.path);
}

void TPictureCache::Trim() {
  qint64 total = 0;
  std::vector<Picture*> shown;
  for (Picture& picture : pictures) {
    if (picture.image.isNull()) continue;
    total += picture.image.sizeInBytes();
    shown.push_back(&picture);
  }
  if (total <= kMemoryBudget) return;
  std::sort(shown.begin(), shown.end(),
            [](const Picture* a, const Picture* b) { return a->used < b->used; });
  for (Picture* picture : shown) {
    if (total <= kMemoryBudget) break;
    total -= picture->image.sizeInBytes();
    // Decoded again, from the thumbnail on disk, when it is looked at next.
    picture->image = QImage();
    picture->width = 0;
    picture->state = State::kLoading;
  }
}
