// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <atomic>
#include <functional>
#include <utility>
#include <vector>

#include "entries/diarywalk.h"
#include "text/query.h"

// Search across the whole diary, straight from the entry files: no index that could break or go
// stale. What a query matches is text/query.h's rule; which files are entries, the walk's.
namespace marrowleaf {

struct SearchHit {
  EntryKey key;
  QString line;                                        // the line of the first match
  std::vector<std::pair<qsizetype, qsizetype>> marks;  // within `line`
  qsizetype start = 0;                                 // the first match in the entry's shown text
  qsizetype length = 0;
  bool unsaved = false;  // found in text the window shows and has not saved yet
};

// Every entry of the diary, newest date first, tabs in order, as the walk gives them (the walk's
// scope says which tabs and which unsaved text stands for its entry). `found` hears of each hit
// as it is found, on the walk's thread; the scan ends early once the walk is cancelled.
void SearchDiary(const DiaryWalk& walk, const SearchQuery& query,
                 const std::function<void(const SearchHit&)>& found);

}  // namespace marrowleaf
