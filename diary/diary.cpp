// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/diary.h"

#include "entries/entrytext.h"

TDiary::TDiary(std::string dir, std::vector<std::string> tabs, marrowleaf::SettingsFiles files,
               QObject* parent)
    : QObject(parent),
      saveDir(std::move(dir)),
      tabNames(std::move(tabs)),
      settings(std::move(files)) {
  // A config.ini written on another system may hold its names in another encoding.
  for (const std::string& name : tabNames) tabTitles.append(marrowleaf::DecodeText(name));
}

TDiary::~TDiary() {
  if (keys) marrowleaf::ReleaseKeys(saveDir);
}

void TDiary::SetKeys(marrowleaf::SharedKeys newKeys, bool seal) {
  keys = std::move(newKeys);
  if (keys) {
    marrowleaf::HoldKeys(saveDir, keys, seal);
  } else {
    marrowleaf::ReleaseKeys(saveDir);
  }
  Q_EMIT keysChanged();
}

QString TDiary::TabTitle(int tab) const {
  return tab >= 0 && tab < tabTitles.size() ? tabTitles[tab] : QString::number(tab);
}

bool TDiary::AddTabs(const QStringList& names) {
  std::vector<std::string> added;
  for (const QString& name : names) added.push_back(name.toStdString());
  if (added.empty() || !marrowleaf::AddTabs(settings, added)) return false;
  tabNames.insert(tabNames.end(), added.begin(), added.end());
  tabTitles.append(names);
  Q_EMIT tabsChanged();
  return true;
}

std::optional<marrowleaf::UnsavedEntry> TDiary::Unsaved() const {
  return unsavedSource ? unsavedSource() : std::nullopt;
}

void TDiary::SetShown(const marrowleaf::EntryKey& key, bool modified) {
  const std::lock_guard<std::mutex> hold(shownLock);
  shownKey = key;
  shownModified = modified;
}

bool TDiary::ShownModified(const marrowleaf::EntryKey& key) const {
  const std::lock_guard<std::mutex> hold(shownLock);
  return shownModified && shownKey == key;
}
