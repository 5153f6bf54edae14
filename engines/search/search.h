// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <atomic>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "entries/entryfiles.h"

// Search across the whole diary, straight from the entry files: no index that could break or go
// stale. Every word of the query must occur in an entry, in any order; quotation marks make a
// phrase one word: "ASCII", „German“, “English”, «French», 「Japanese」 and their single forms.
// Case is ignored by Unicode simple case folding; text without spaces (Japanese) matches as
// substrings. A word that is a tag ("#trip") finds that tag and the tags nested under it
// ("#Trip", "#trip/kyoto"), never a longer one ("#tripod").
namespace marrowleaf {

struct SearchQuery {
  std::vector<QString> terms;  // case-folded, none empty
  std::vector<QString> tags;   // those of the terms that are tags, as written there ("#trip")
};

SearchQuery ParseQuery(const QString& text);
// The query as typed, without the quotation marks around it when it is one phrase alone: what a
// message that quotes the query shows inside its own marks.
QString WithoutOuterQuotes(const QString& text);

struct TextMatch {
  bool found = false;
  qsizetype start = -1;  // the first occurrence of any term
  qsizetype length = 0;
  qsizetype lineStart = 0;  // the line that holds it
  qsizetype lineLength = 0;
  std::vector<std::pair<qsizetype, qsizetype>> marks;  // every term's occurrences in that line
};

// Matches a text as the text area shows it (lines end in '\n').
TextMatch MatchText(const QString& text, const SearchQuery& query);

struct SearchHit {
  EntryKey key;
  QString line;                                        // the line of the first match
  std::vector<std::pair<qsizetype, qsizetype>> marks;  // within `line`
  qsizetype start = 0;                                 // the first match in the entry's shown text
  qsizetype length = 0;
  bool unsaved = false;  // found in text the window shows and has not saved yet
};

// An entry whose text in the window differs from its file: that text is searched in its place.
struct UnsavedEntry {
  EntryKey key;
  QString text;  // as the text area shows it
};

// Every entry of saveDir (YEAR/MONTH/DAY_TAB.txt with TAB below tabCount, as the calendar marks
// count them; never .history or other files), newest date first, tabs in order. Each is decoded
// like the window decodes it, up to its first NUL; `unsaved`, when given, stands for its entry
// (whether or not a file is there). `found` hears of each hit as it is found; the scan ends early
// once `cancelled` is set.
void SearchDiary(const std::string& saveDir, int tabCount, const SearchQuery& query,
                 const std::atomic<bool>& cancelled,
                 const std::function<void(const SearchHit&)>& found,
                 const UnsavedEntry* unsaved = nullptr);

}  // namespace marrowleaf
