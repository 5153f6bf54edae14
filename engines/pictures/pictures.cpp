// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/pictures/pictures.h"

#include <xxhash.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>
#include <cstdio>

#include "crypto/sealedfiles.h"

namespace marrowleaf {
namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return out;
}

std::string ExtensionOf(std::string_view name) {
  const size_t dot = name.rfind('.');
  const size_t slash = name.rfind('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
  return Lower(name.substr(dot + 1));
}

// "scheme:" at the start, as an address begins: "https:", "file:", "dayone-moment:".
bool IsAddress(QStringView path) {
  if (path.isEmpty() ||
      !((path[0] >= u'a' && path[0] <= u'z') || (path[0] >= u'A' && path[0] <= u'Z'))) {
    return false;
  }
  for (qsizetype i = 1; i < path.size(); ++i) {
    const QChar c = path[i];
    if (c == u':') return true;
    if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != u'+' && c != u'.' && c != u'-') {
      return false;
    }
  }
  return false;
}

std::string FilePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

bool IsPictureName(std::string_view name) {
  const std::string extension = ExtensionOf(name);
  for (const char* known : {"png", "jpg", "jpeg", "gif", "bmp", "webp"}) {
    if (extension == known) return true;
  }
  return false;
}

PicturePlace LocatePicture(const std::string& saveDir, QStringView path) {
  PicturePlace place;
  const QString text = path.toString();
  place.name = text.section(QLatin1Char('/'), -1);
  if (place.name.isEmpty()) place.name = text;
  if (IsAddress(text)) {
    place.kind = PicturePlaceKind::kAddress;
    return place;
  }
  const QString clean = QDir::cleanPath(text);
  if (text.startsWith(QLatin1Char('/')) || text.startsWith(QLatin1Char('~')) ||
      text.startsWith(QLatin1Char('\\')) || clean == QStringLiteral("..") ||
      clean.startsWith(QStringLiteral("../"))) {
    place.kind = PicturePlaceKind::kOutside;
    return place;
  }
  if (!IsPictureName(FilePath(place.name))) return place;
  place.file = saveDir + '/' + FilePath(clean);
  // A link inside the diary may lead out of it (a folder linked in): followed, it must stay in.
  const std::string root = CanonicalPath(saveDir);
  const std::string real = CanonicalPath(place.file);
  if (!root.empty() && !real.empty() && real.compare(0, root.size() + 1, root + '/') != 0) {
    place.kind = PicturePlaceKind::kOutside;
    place.file.clear();
    return place;
  }
  place.kind = PicturePlaceKind::kInDiary;
  return place;
}

namespace {
// A sealed picture of the largest size takes a little more on disk: its header and a tag for each
// piece of 64 KiB.
constexpr int64_t kMaxPictureFileBytes = kMaxPictureBytes + kMaxPictureBytes / 1024;
}  // namespace

PictureFile ReadPictureFile(const std::string& path) {
  PictureFile picture;
  const auto tooLarge = [&picture] {
    picture.tooLarge = true;
    picture.error = "larger than " + std::to_string(kMaxPictureBytes / (1024 * 1024)) + " MiB";
    picture.file = WholeFile();
    return std::move(picture);
  };
  // The size first: a file too large is never read into memory.
  const FileState state = RegularFileState(path);
  if (!state.known) {
    picture.missing = !NameIsTaken(path);
    picture.error = picture.missing ? "no such file" : "not a regular file";
    return picture;
  }
  if (state.size > kMaxPictureFileBytes) return tooLarge();
  picture.file = ReadWholeFile(path);
  if (!picture.file.opened || !picture.file.complete) {
    picture.missing = picture.file.missing;
    picture.error = picture.file.error;
    return picture;
  }
  const std::string_view bytes(picture.file.bytes.get(), picture.file.size);
  if (!LooksSealed(bytes)) {
    if (bytes.size() > static_cast<size_t>(kMaxPictureBytes)) return tooLarge();
    picture.ok = true;
    return picture;
  }
  Opened opened = OpenBytes(*SealingFor(path).keys, bytes);
  if (opened.result != Opening::kOpened) {
    picture.error = WhyNotOpened(opened.result);
    return picture;
  }
  if (opened.bytes.size() > static_cast<size_t>(kMaxPictureBytes)) return tooLarge();
  picture.sealed = true;
  picture.opened = std::move(opened.bytes);
  // Its opened bytes are the picture: the sealed ones go now, what was known of the file stays.
  WholeFile read = std::move(picture.file);
  picture.file.opened = picture.file.complete = true;
  picture.file.state = read.state;
  picture.ok = true;
  return picture;
}

std::string ContentKey(std::string_view bytes) {
  const XXH128_hash_t hash = XXH3_128bits(bytes.data(), bytes.size());
  char hex[33];
  std::snprintf(hex, sizeof hex, "%016llx%016llx", static_cast<unsigned long long>(hash.high64),
                static_cast<unsigned long long>(hash.low64));
  return hex;
}

std::string PictureFileName(std::string_view bytes, std::string_view extension) {
  return ContentKey(bytes) + '.' + Lower(extension);
}

std::string PictureFolder(const EntryKey& key) { return "attachments/" + EntryStem(key); }

AddedPicture AddPicture(const std::string& saveDir, const EntryKey& key, std::string_view bytes,
                        std::string_view extension) {
  AddedPicture added;
  if (!IsPictureName("." + std::string(extension))) {
    added.outcome.error = "\"" + std::string(extension) + "\" is not the extension of a picture";
    return added;
  }
  if (!IsDirectory(saveDir)) {
    added.outcome.error = "the diary's folder \"" + saveDir + "\" does not exist";
    return added;
  }
  const std::string name = PictureFileName(bytes, extension);
  const std::string folder = PictureFolder(key);
  if (!MakePrivateDirectories(saveDir + '/' + folder)) {
    added.outcome.error = "cannot make the folder \"" + saveDir + '/' + folder + "\"";
    return added;
  }
  added.path = folder + '/' + name;
  const std::string file = saveDir + '/' + added.path;
  if (IsFile(file)) {
    const PictureFile there = ReadPictureFile(file);
    if (there.ok && there.Bytes() == bytes) {
      added.outcome.ok = true;
      return added;
    }
  }
  added.outcome = WriteDiaryFile(saveDir, file, bytes, NewFileAccess::kPrivate);
  if (!added.outcome.ok) added.path.clear();
  return added;
}

QString PictureLinkText(const std::string& path) {
  const QString text = QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
  const bool plain = !text.contains(QLatin1Char(' ')) && !text.contains(QLatin1Char('(')) &&
                     !text.contains(QLatin1Char(')'));
  if (plain) return QStringLiteral("![](") + text + QLatin1Char(')');
  return QStringLiteral("![](<") + text + QStringLiteral(">)");
}

ExportPictures::ExportPictures(std::string dir, const std::string& target)
    : saveDir(std::move(dir)) {
  const QFileInfo file(QFile::decodeName(QByteArray::fromStdString(target)));
  const QString name = file.completeBaseName() + QStringLiteral("-pictures");
  folder = FilePath(file.absolutePath() + QLatin1Char('/') + name);
  href = QString::fromLatin1(QUrl::toPercentEncoding(name));
}

QString ExportPictures::Copy(QStringView path) {
  const PicturePlace place = LocatePicture(saveDir, path);
  if (place.kind != PicturePlaceKind::kInDiary) return {};
  const std::string real = CanonicalPath(place.file);
  const std::string& linked = real.empty() ? place.file : real;
  const auto known = copied.find(linked);
  if (known != copied.end()) return known->second;
  QString& address = copied[linked];
  const PictureFile picture = ReadPictureFile(place.file);
  if (!picture.ok) return {};
  const std::string name = PictureFileName(picture.Bytes(), ExtensionOf(place.file));
  const std::string copy = folder + '/' + name;
  if (!NameIsTaken(copy)) {
    if (!MakePrivateDirectories(folder)) {
      if (error.empty()) error = "cannot make the folder \"" + folder + "\"";
      return {};
    }
    const SaveOutcome written = ReplaceFileContents(copy, picture.Bytes(), NewFileAccess::kPrivate);
    if (!written.ok) {
      if (error.empty()) error = written.error;
      return {};
    }
    made.push_back(copy);
  }
  address = href + QLatin1Char('/') + QString::fromStdString(name);
  return address;
}

void ExportPictures::Discard() {
  for (const std::string& copy : made) RemoveFile(copy);
  made.clear();
  copied.clear();
}

}  // namespace marrowleaf
