// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engines/search/search.h"
#include "entries/entryfiles.h"
#include "entries/history.h"

// The tags of the whole diary, read from the entry files as Find reads them (no index), and a
// tag's rename across every entry through the save step.
namespace marrowleaf {

struct TagTally {
  int entries = 0;            // entries holding the tag
  int listed = 0;             // entries holding it or a tag nested under it, as Find lists them
  QHash<QString, int> forms;  // how often each form is written ("River": 3)
};
using TagTallies = QHash<QString, TagTally>;  // by key

// Adds one entry's tags to `tallies`.
void TallyTags(const QString& text, TagTallies& tallies);

struct DiaryTag {
  QString key;
  QString shown;  // the form written most; on a tie the one in small letters, then the first
  int entries = 0;
  int listed = 0;  // with the entries of the tags nested under it
};
// The tags written in the tallies, by key (a tag only ever written with a nested one, "#trip" of
// "#trip/kyoto" alone, is none).
std::vector<DiaryTag> TagRows(const TagTallies& tallies);

// Every tag of the diary's entries (those the calendar counts, as SearchDiary walks them; the
// `unsaved` text stands for its entry). Ends early, with what it has, once `cancelled` is set.
// `early`, when given, first hears the tags of the newest three months alone, read before the
// rest: a list can show them while the older years are read.
TagTallies ListDiaryTags(const std::string& saveDir, int tabCount,
                         const std::atomic<bool>& cancelled, const UnsavedEntry* unsaved = nullptr,
                         const std::function<void(const TagTallies&)>& early = {});

// Why an entry holding the tag was not renamed.
enum class RenameSkip {
  kModifiedInWindow,  // its text in the window is not saved
  kChangedElsewhere,  // another program wrote it since the rename read it
  kEncoding,          // its encoding cannot hold the new name
  kFailed,            // it could not be written (the outcome says why)
};

struct PlannedRename {
  EntryKey key;
  uint64_t readHash = 0;  // the whole file as the rename read it
  std::string text;       // the new text, in the entry's own encoding
  std::string end;        // what followed the text in the file (its NUL...), kept
};

struct TagRenamePlan {
  std::vector<PlannedRename> entries;
  std::vector<std::pair<EntryKey, RenameSkip>> skipped;
};

// Reads every entry holding the tag of `key` (or one nested under it) and makes its renamed text
// (RenameTag, with the tag list's `shown` form). The entry `modified` names, when given, is the
// one whose text the window holds unsaved: it is skipped. Nothing is written.
TagRenamePlan PlanTagRename(const std::string& saveDir, int tabCount, const QString& key,
                            const QString& shown, const QString& to,
                            const std::atomic<bool>& cancelled, const EntryKey* modified = nullptr);

// Saves one planned entry through the save step, keeping its earlier bytes in its history;
// an entry changed since the plan read it is left as it is (`displaced`).
EntrySave ApplyTagRename(const std::string& saveDir, const PlannedRename& entry);

}  // namespace marrowleaf
