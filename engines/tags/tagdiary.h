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

#include "entries/bulkwrite.h"
#include "entries/diarywalk.h"

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

// Every tag of the diary's entries, as the walk (newest first) gives them; the unsaved text of its
// scope stands for its entry. Ends early, with what it has, once the walk is cancelled. `early`,
// when given, first hears the tags of the newest three months alone, read before the rest: a
// list can show them while the older years are read.
TagTallies ListDiaryTags(const DiaryWalk& walk,
                         const std::function<void(const TagTallies&)>& early = {});

struct TagRenamePlan {
  std::vector<BulkChange> entries;  // each written with WriteInBulk
  std::vector<EntryKey> encoding;   // entries whose encoding cannot hold the new name
};

// Reads every entry of the walk holding the tag of `key` (or one nested under it) and makes its
// renamed text (RenameTag, with the tag list's `shown` form). Nothing is written.
TagRenamePlan PlanTagRename(const DiaryWalk& walk, const QString& key, const QString& shown,
                            const QString& to);

}  // namespace marrowleaf
