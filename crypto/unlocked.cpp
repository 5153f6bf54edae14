// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/unlocked.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

#include "crypto/keyfile.h"
#include "platform/files.h"

namespace marrowleaf {

struct KeyTable {
  struct Held {
    std::string given;      // the save folder as the diary names it
    std::string absolute;   // from the root, "." and ".." taken away, links as they are
    std::string canonical;  // links followed too
    SharedKeys keys;
    bool seal = true;
  };
  std::mutex lock;
  std::vector<Held> held;
};

namespace {

std::atomic<KeyTable*> adopted{nullptr};

KeyTable& Table() {
  static KeyTable own;
  KeyTable* program = adopted.load(std::memory_order_acquire);
  return program != nullptr ? *program : own;
}

const SharedKeys& NoKeys() {
  static const SharedKeys none = std::make_shared<const DiaryKeys>();
  return none;
}

std::string Absolute(const std::string& path) {
  const QString name = QFile::decodeName(QByteArray::fromStdString(path));
  return QFile::encodeName(QDir::cleanPath(QDir::current().absoluteFilePath(name))).toStdString();
}

bool Under(const std::string& path, const std::string& folder) {
  if (folder.empty() || path.compare(0, folder.size(), folder) != 0) return false;
  return path.size() == folder.size() || path[folder.size()] == '/' || folder.back() == '/';
}

// The path with links followed as far as it exists (a file about to be made, in a folder about to
// be made, lies where its first existing folder leads).
std::string CanonicalThrough(const std::string& absolute) {
  std::string head = absolute;
  std::string rest;
  while (!head.empty()) {
    const std::string real = CanonicalPath(head);
    if (!real.empty()) return real + rest;
    const size_t slash = head.rfind('/');
    if (slash == std::string::npos || slash == 0) break;
    rest = head.substr(slash) + rest;
    head.resize(slash);
  }
  return {};
}

DiarySealing Sealing(const KeyTable::Held& held) { return {held.keys, held.seal, false}; }

}  // namespace

DiarySealing SealingFor(const std::string& path) {
  KeyTable& table = Table();
  const std::lock_guard<std::mutex> hold(table.lock);
  if (table.held.empty()) return {NoKeys(), false, false};
  // The paths the diary builds begin with its folder as given: one comparison for nearly every
  // call, and a look at the disk only for a path spelt otherwise.
  for (const KeyTable::Held& held : table.held) {
    if (Under(path, held.given)) return Sealing(held);
  }
  const std::string absolute = Absolute(path);
  for (const KeyTable::Held& held : table.held) {
    if (Under(absolute, held.absolute) || Under(absolute, held.canonical)) return Sealing(held);
  }
  const std::string canonical = CanonicalThrough(absolute);
  for (const KeyTable::Held& held : table.held) {
    if (!canonical.empty() && Under(canonical, held.canonical)) return Sealing(held);
  }
  return {NoKeys(), false, false};
}

DiarySealing SealingOfDiary(const std::string& saveDir) {
  DiarySealing sealing = SealingFor(saveDir);
  // Whoever writes into an encrypted diary without its keys would leave text in plain: a key file
  // that arrived from another device since this process looked, or a tool that never unlocked.
  // (One look at the key file's name: a plain diary's bulk writes ask this for every entry.)
  if (sealing.keys->Empty()) sealing.locked = IsFile(KeyFilePath(saveDir));
  return sealing;
}

void HoldKeys(const std::string& saveDir, SharedKeys keys, bool seal) {
  KeyTable::Held held{saveDir, Absolute(saveDir), CanonicalPath(saveDir),
                      keys ? std::move(keys) : NoKeys(), seal};
  while (held.given.size() > 1 && held.given.back() == '/') held.given.pop_back();
  KeyTable& table = Table();
  const std::lock_guard<std::mutex> hold(table.lock);
  const auto same = std::find_if(table.held.begin(), table.held.end(),
                                 [&](const KeyTable::Held& h) { return h.given == held.given; });
  if (same != table.held.end()) {
    *same = std::move(held);
  } else {
    table.held.push_back(std::move(held));
  }
}

void ReleaseKeys(const std::string& saveDir) {
  std::string given = saveDir;
  while (given.size() > 1 && given.back() == '/') given.pop_back();
  KeyTable& table = Table();
  const std::lock_guard<std::mutex> hold(table.lock);
  table.held.erase(std::remove_if(table.held.begin(), table.held.end(),
                                  [&](const KeyTable::Held& h) { return h.given == given; }),
                   table.held.end());
}

KeyTable* ThisKeyTable() { return &Table(); }

void UseKeyTable(KeyTable* program) { adopted.store(program, std::memory_order_release); }

}  // namespace marrowleaf
