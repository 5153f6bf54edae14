// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Hears what other programs do to the files of a set of folders: a name made, removed or
// renamed, and, where the system tells of it (Linux), a file written in place (an editor or a sync
// tool that rewrites an entry without replacing it). One watch per folder, however many files it
// holds, so that a whole diary's folders can be watched. Heard on the thread that made it, from
// its event loop.
namespace marrowleaf {

class FolderWatch {
 public:
  // `folder` is the watched folder in which something changed, once for a burst of changes;
  // empty when too much happened at once to say where, so that anything may have changed.
  using Heard = std::function<void(const std::string& folder)>;
  explicit FolderWatch(Heard heard);
  ~FolderWatch();
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;

  // Watches exactly these folders from now on (those already watched are kept as they are).
  void Set(const std::vector<std::string>& folders);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl;
};

}  // namespace marrowleaf
