// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/folderwatch.h"

#include <QObject>
#include <map>
#include <set>

#ifdef __linux__
#include <sys/inotify.h>
#include <unistd.h>

#include <QSocketNotifier>
#else
#include <QFile>
#include <QFileSystemWatcher>
#endif

namespace marrowleaf {

#ifdef __linux__

// inotify tells of the files in a watched folder, written or closed after writing among them.
struct FolderWatch::Impl {
  Heard heard;
  int fd = -1;
  std::unique_ptr<QSocketNotifier> notifier;
  std::map<int, std::string> folders;  // by watch
  std::map<std::string, int> watches;  // by folder

  void Read() {
    alignas(inotify_event) char buffer[16384];
    std::set<std::string> changes;
    bool overflow = false;
    for (;;) {
      const ssize_t got = read(fd, buffer, sizeof buffer);
      if (got <= 0) break;  // EAGAIN: all read
      for (ssize_t at = 0; at + static_cast<ssize_t>(sizeof(inotify_event)) <= got;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        if ((event->mask & IN_Q_OVERFLOW) != 0) overflow = true;
        const auto folder = folders.find(event->wd);
        if (folder == folders.end()) continue;
        if ((event->mask & IN_IGNORED) != 0) {  // the folder went: no more watch
          watches.erase(folder->second);
          changes.insert(folder->second);
          folders.erase(folder);
          continue;
        }
        changes.insert(folder->second);
      }
    }
    // Each change once, however many writes made it; `heard` may change the watched folders.
    if (overflow) {
      heard({});
      return;
    }
    for (const std::string& folder : changes) heard(folder);
  }
};

FolderWatch::FolderWatch(Heard heard) : impl(std::make_unique<Impl>()) {
  impl->heard = std::move(heard);
  impl->fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (impl->fd >= 0) {
    impl->notifier = std::make_unique<QSocketNotifier>(impl->fd, QSocketNotifier::Read);
    QObject::connect(impl->notifier.get(), &QSocketNotifier::activated, impl->notifier.get(),
                     [impl = impl.get()] { impl->Read(); });
  }
}

FolderWatch::~FolderWatch() {
  impl->notifier.reset();
  if (impl->fd >= 0) close(impl->fd);
}

void FolderWatch::Set(const std::vector<std::string>& folders) {
  if (impl->fd < 0) return;
  const std::set<std::string> wanted(folders.begin(), folders.end());
  for (auto it = impl->watches.begin(); it != impl->watches.end();) {
    if (wanted.count(it->first) == 0) {
      inotify_rm_watch(impl->fd, it->second);
      impl->folders.erase(it->second);
      it = impl->watches.erase(it);
    } else {
      ++it;
    }
  }
  constexpr uint32_t kMask = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY |
                             IN_CLOSE_WRITE | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF |
                             IN_ONLYDIR;
  for (const std::string& folder : wanted) {
    if (impl->watches.count(folder) != 0) continue;
    const int wd = inotify_add_watch(impl->fd, folder.c_str(), kMask);
    if (wd < 0) continue;  // gone meanwhile, or no more watches: its parent still tells of it
    impl->watches[folder] = wd;
    impl->folders[wd] = folder;
  }
}

#else

// Elsewhere the toolkit's watcher, which tells of names made, removed or renamed only.
struct FolderWatch::Impl {
  QFileSystemWatcher watcher;
};

FolderWatch::FolderWatch(Heard heard) : impl(std::make_unique<Impl>()) {
  QObject::connect(&impl->watcher, &QFileSystemWatcher::directoryChanged, &impl->watcher,
                   [heard = std::move(heard)](const QString& folder) {
                     heard(QFile::encodeName(folder).toStdString());
                   });
}

FolderWatch::~FolderWatch() = default;

void FolderWatch::Set(const std::vector<std::string>& folders) {
  QStringList wanted;
  for (const std::string& folder : folders) {
    wanted.append(QFile::decodeName(QByteArray::fromStdString(folder)));
  }
  QStringList gone;
  for (const QString& folder : impl->watcher.directories()) {
    if (!wanted.contains(folder)) gone.append(folder);
  }
  if (!gone.isEmpty()) impl->watcher.removePaths(gone);
  QStringList added;
  for (const QString& folder : wanted) {
    if (!impl->watcher.directories().contains(folder)) added.append(folder);
  }
  if (!added.isEmpty()) impl->watcher.addPaths(added);
}

#endif

}  // namespace marrowleaf
