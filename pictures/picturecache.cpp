// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picturecache.h"

#include <QBuffer>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#ifdef __linux__
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>
#include <utility>
#include <vector>

#include "crypto/unlocked.h"
#include "engines/pictures/pictures.h"
#include "widgets/picturereader.h"

namespace {

using State = TPictureCache::State;

// Thumbnails are decoded for widths in steps of this many pixels. (Decoding a photo takes about
// as long at any size: reading its compressed bytes is most of the work.)
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

// The cache folder holds each thumbnail as KEY-STEP.jpg (or .png where it has transparency),
// KEY the content key of its picture, and under known/ a line for each picture file seen: its
// identity (device, inode, size, time of change) and its content key. A picture seen before is
// shown from its thumbnail without being read again; one that changed is read and keyed anew.

void Keep(const QString& file, const QByteArray& bytes) {
  if (marrowleaf::MakePrivateDirectories(FileName(QFileInfo(file).path()))) {
    marrowleaf::ReplaceFileContents(FileName(file),
                                    {bytes.constData(), static_cast<size_t>(bytes.size())},
                                    marrowleaf::NewFileAccess::kPrivate);
  }
}

// Named by the file's whole path: a diary started in another folder has other files.
QString KnownName(const QString& folder, const std::string& file) {
  const QByteArray whole = QFile::encodeName(
      QFileInfo(QFile::decodeName(QByteArray::fromStdString(file))).absoluteFilePath());
  return folder + QStringLiteral("/known/") +
         QString::fromStdString(
             marrowleaf::ContentKey({whole.constData(), static_cast<size_t>(whole.size())}));
}

QByteArray Identity(const marrowleaf::FileState& state) {
  return QByteArray::number(static_cast<qulonglong>(state.device)) + ' ' +
         QByteArray::number(static_cast<qulonglong>(state.inode)) + ' ' +
         QByteArray::number(static_cast<qlonglong>(state.size)) + ' ' +
         QByteArray::number(static_cast<qlonglong>(state.mtimeSec)) + ' ' +
         QByteArray::number(static_cast<qlonglong>(state.mtimeNsec)) + ' ';
}

// The content key of `file` as known from an earlier look, if the file is still what it was.
std::string KnownKey(const QString& folder, const std::string& file,
                     const marrowleaf::FileState& state) {
  const marrowleaf::PictureFile known =
      marrowleaf::ReadPictureFile(FileName(KnownName(folder, file)));
  if (!known.ok) return {};
  const QByteArray line =
      QByteArray(known.Bytes().data(), static_cast<qsizetype>(known.Bytes().size()));
  const QByteArray identity = Identity(state);
  if (!line.startsWith(identity)) return {};
  return line.mid(identity.size()).trimmed().toStdString();
}

QImage Thumbnail(const QString& folder, const std::string& key, int step) {
  const QString name = folder + QLatin1Char('/') + QString::fromStdString(key) + QLatin1Char('-') +
                       QString::number(step);
  for (const char* suffix : {".jpg", ".png"}) {
    const marrowleaf::PictureFile thumbnail =
        marrowleaf::ReadPictureFile(FileName(name + QLatin1String(suffix)));
    if (!thumbnail.ok) continue;
    TDecodedPicture decoded = DecodePicture(thumbnail.Bytes(), {});
    if (decoded.failure == TDecodedPicture::Failure::kNone) return decoded.image;
  }
  return {};
}

void KeepThumbnail(const QString& folder, const std::string& key, int step, const QImage& image) {
  // Photos keep well as JPEG; what has transparency as PNG.
  const bool alpha = image.hasAlphaChannel();
  QByteArray encoded;
  QBuffer out(&encoded);
  out.open(QIODevice::WriteOnly);
  if (!image.save(&out, alpha ? "PNG" : "JPEG", alpha ? -1 : 90)) return;
  Keep(folder + QLatin1Char('/') + QString::fromStdString(key) + QLatin1Char('-') +
           QString::number(step) + (alpha ? QStringLiteral(".png") : QStringLiteral(".jpg")),
       encoded);
}

// What a decode leaves to keep in the cache folder, written once the picture is on its way to
// the screen: a disk's flush is no part of showing it.
struct ToKeep {
  QString folder;
  std::string file;
  std::string key;
  QByteArray identity;
  int step = 0;
  QImage thumbnail;  // null where the cache had it
  void Write() const {
    if (folder.isEmpty() || key.empty()) return;
    if (!thumbnail.isNull()) KeepThumbnail(folder, key, step, thumbnail);
    Keep(KnownName(folder, file), identity + key.c_str() + '\n');
  }
};

// The picture `file` as a thumbnail `step` pixels wide at most: from the cache folder where it
// is there, else decoded from the file's bytes.
State Load(const std::string& file, const QString& folder, int step, QImage& image, ToKeep& keep) {
  const marrowleaf::FileState state = marrowleaf::RegularFileState(file);
  if (!folder.isEmpty() && state.known) {
    const std::string key = KnownKey(folder, file, state);
    if (!key.empty()) image = Thumbnail(folder, key, step);
    if (!image.isNull()) return State::kShown;
  }
  const marrowleaf::PictureFile read = marrowleaf::ReadPictureFile(file);
  if (!read.ok) return read.missing ? State::kMissing : State::kUnreadable;
  const std::string key = marrowleaf::ContentKey(read.Bytes());
  if (!folder.isEmpty()) image = Thumbnail(folder, key, step);
  QImage decodedNow;
  if (image.isNull()) {
    TDecodedPicture decoded = DecodePicture(read.Bytes(), QSize(step, 1 << 20));
    switch (decoded.failure) {
      case TDecodedPicture::Failure::kNone:
        break;
      case TDecodedPicture::Failure::kNotPicture:
        return State::kNotPicture;
      case TDecodedPicture::Failure::kTooLarge:
      case TDecodedPicture::Failure::kDamaged:
        return State::kUnreadable;
    }
    image = decoded.image;
    decodedNow = image;
  }
  keep = {folder, file, key, Identity(read.file.state), step, decodedNow};
  return State::kShown;
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
  waiting.clear();
  pictures.clear();
  pending = 0;
}

const TPictureCache::Picture& TPictureCache::Lookup(const QString& path, int width, bool decode) {
  auto it = pictures.find(path);
  if (it == pictures.end()) {
    it = pictures.insert(path, Picture());
    it->name = path.section(QLatin1Char('/'), -1);
  }
  Picture& picture = *it;
  picture.used = ++uses;
  const int step = StepFor(width);
  if (decode && picture.wanted == 0) {
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
  // The decoders start once the window has handled what it is doing (a text being shown is
  // painted first): on a machine of two processors they would take both from it.
  waiting.emplace_back(path, step);
  if (waiting.size() == 1) {
    QTimer::singleShot(0, this, [this, at = generation] {
      if (at != generation) return;
      for (const auto& [file, size] : std::exchange(waiting, {})) Decode(file, size);
    });
  }
}

void TPictureCache::Decode(const QString& path, int step) {
  // An encrypted diary's pictures are kept in memory alone: a thumbnail on disk would show them
  // in plain.
  const marrowleaf::DiarySealing sealing = marrowleaf::SealingOfDiary(saveDir);
  const QString disk = sealing.keys->Empty() && !sealing.locked ? cacheFolder : QString();
  pool.start([this, path, step, dir = saveDir, folder = disk, at = generation] {
#ifdef __linux__
    // Below the window's own thread: it is served first whenever both want a processor.
    static thread_local const bool lowered =
        ::setpriority(PRIO_PROCESS, static_cast<id_t>(::syscall(SYS_gettid)), 10) == 0;
    (void)lowered;
#endif
    Result result{at, path, State::kLoading, {}, {}, step};
    ToKeep keep;
    const marrowleaf::PicturePlace place = marrowleaf::LocatePicture(dir, path);
    switch (place.kind) {
      case marrowleaf::PicturePlaceKind::kInDiary: {
        result.file =
            QFileInfo(QFile::decodeName(QByteArray::fromStdString(place.file))).absoluteFilePath();
        result.state = Load(place.file, folder, step, result.image, keep);
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
    keep.Write();
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
#ifdef __GLIBC__
  // The decoders' buffers (a photo's bytes, its pixels at the decoded size) were freed in the
  // threads' own heaps, which the allocator keeps: once all are done, they go back.
  if (pending == 0) malloc_trim(0);
#endif
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
