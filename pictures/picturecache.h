// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The pictures a text links, decoded off the window's thread, each once for a size, and kept as
// thumbnails in the user's cache folder (never in the diary, which sync tools carry), named by
// the picture's content, so that a picture found again at another path or in another session is
// not decoded again (an encrypted diary's thumbnails stay in memory alone). A size is a step of 256
// pixels of width: a window resized a little keeps its thumbnails, which are drawn scaled to the
// exact width.
class TPictureCache : public QObject {
  Q_OBJECT

 public:
  enum class State {
    kLoading,     // not decoded yet
    kShown,       // `image` holds it
    kMissing,     // no such file
    kOutside,     // the path leads out of the diary, or is an address
    kNotPicture,  // not named or made as a picture the diary shows
    kUnreadable,  // cannot be read or decoded: damaged, too large, a FIFO
  };
  struct Picture {
    State state = State::kLoading;
    QString name;      // the file's name, for what is said about it
    QString file;      // the file (absolute), for opening it at full size
    QImage image;      // the thumbnail decoded for the largest width asked so far
    int width = 0;     // that width's step
    int wanted = 0;    // the step asked for, while a decode runs
    quint64 used = 0;  // when it was last looked up
  };

  // `cacheFolder` holds the thumbnails; empty keeps none on disk.
  TPictureCache(const QString& cacheFolder, QObject* parent = nullptr);
  ~TPictureCache() override;  // waits for the decode under way, drops the rest

  // The diary the paths are relative to; what was known of another diary is forgotten.
  void SetDiary(const std::string& saveDir);
  // What is known of the picture that `path` names, to be shown `width` pixels wide at most; a
  // decode is started for it where its thumbnail is missing or too small, unless `decode` is
  // false.
  const Picture& Lookup(const QString& path, int width, bool decode = true);
  // Pictures that could not be shown are looked for again at the next Lookup: a sync may have
  // brought them meanwhile.
  void RetryFailed();
  // Decodes started and not yet back.
  int Pending() const { return pending; }

 Q_SIGNALS:
  // A decode is back: what `path` shows has changed.
  void changed(const QString& path);

 private:
  struct Result;
  void Start(const QString& path, Picture& picture, int step);
  void Decode(const QString& path, int step);  // on the pool
  void Finish(const Result& result);
  void Trim();  // keeps the thumbnails in memory within their budget

  QString cacheFolder;
  std::string saveDir;
  QHash<QString, Picture> pictures;
  QThreadPool pool;
  std::vector<std::pair<QString, int>> waiting;  // to start once the window is done
  int generation = 0;  // of the diary: results for another one are dropped
  int pending = 0;
  quint64 uses = 0;
};
