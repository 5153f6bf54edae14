// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QObject>
#include <QStringList>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "config/settings.h"
#include "crypto/unlocked.h"
#include "entries/diarywalk.h"

// The diary every window of the program looks at: its save folder, its tabs, the text the main
// window shows and has not saved yet, and signals when any of it changes. Windows ask it when
// they need to know and follow its signals; none keeps a copy of its own, so that a tab added by
// an import reaches a Find window opened long before.
class TDiary : public QObject {
  Q_OBJECT

 public:
  TDiary(std::string saveDir, std::vector<std::string> tabNames, marrowleaf::SettingsFiles settings,
         QObject* parent = nullptr);
  ~TDiary() override;  // its keys are given up: nothing of the core opens its files any more

  const std::string& SaveDir() const { return saveDir; }
  int TabCount() const { return static_cast<int>(tabNames.size()); }
  const std::vector<std::string>& TabNames() const { return tabNames; }  // as config.ini holds them
  const QStringList& TabTitles() const { return tabTitles; }             // as the tabs show them
  QString TabTitle(int tab) const;  // the tab's name, or its number where it has none

  // Tabs of these names after the diary's own, written through the settings layer into the
  // diary's config.ini (the user's choice, for every machine that shares the diary). False where
  // that could not be written; nothing changes then.
  bool AddTabs(const QStringList& names);

  // The text the main window shows and has not saved, asked on the window's thread.
  using TUnsavedSource = std::function<std::optional<marrowleaf::UnsavedEntry>()>;
  void SetUnsavedSource(TUnsavedSource source) { unsavedSource = std::move(source); }
  std::optional<marrowleaf::UnsavedEntry> Unsaved() const;

  // The entry the main window shows and whether it holds unsaved changes, told by the main
  // window whenever either changes; asked by bulk writers from any thread.
  void SetShown(const marrowleaf::EntryKey& key, bool modified);
  bool ShownModified(const marrowleaf::EntryKey& key) const;

  // The keys of an encrypted diary, once its password opened them: every reader and writer of
  // the core opens and seals the diary's files with them, on any thread (crypto/unlocked.h).
  // `seal` false while the diary is decrypted: its files are still opened, and written plain.
  // Null keys: a plain diary.
  void SetKeys(marrowleaf::SharedKeys keys, bool seal = true);
  const marrowleaf::SharedKeys& Keys() const { return keys; }
  bool Encrypted() const { return keys != nullptr && !keys->Empty(); }
  const marrowleaf::SettingsFiles& Settings() const { return settings; }

  // Another part of the program wrote entries (an import, a tag's rename): every window that
  // shows what entries hold reads them again.
  void NoteEntriesChanged() { Q_EMIT entriesChanged(); }
  // Files were written anew with the same text (encrypted or decrypted): what a window knows of a
  // file's bytes is stale, what it knows of its text is not.
  void NoteFilesRewritten() { Q_EMIT filesRewritten(); }
  // Shows an entry in the main window, [start, start + length) of its text selected, and brings
  // that window to the front. A tab of -1 shows the day: the shown tab where it has an entry,
  // else the first tab that has one.
  void Show(const QDate& date, int tab, qsizetype start = 0, qsizetype length = 0) {
    Q_EMIT showRequested(date, tab, start, length);
  }

 Q_SIGNALS:
  void tabsChanged();
  void entriesChanged();
  void filesRewritten();
  void keysChanged();
  void showRequested(const QDate& date, int tab, qsizetype start, qsizetype length);

 private:
  std::string saveDir;
  std::vector<std::string> tabNames;
  QStringList tabTitles;
  marrowleaf::SettingsFiles settings;
  marrowleaf::SharedKeys keys;
  TUnsavedSource unsavedSource;
  mutable std::mutex shownLock;
  marrowleaf::EntryKey shownKey;
  bool shownModified = false;
};
