// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "entries/entrykey.h"

// The one way to write entries in bulk (an import, a tag's rename), entry by entry from a text
// made beforehand:
// - an entry that was there goes through the save step, keeping the bytes it replaces in its
//   history; one that another program changed since the text was made is left as it is;
// - a new entry is made only through the create-if-absent step, so that one that appeared
//   meanwhile is never replaced;
// - the entry the window shows with unsaved changes is left alone, to be named in the report:
//   its typed text and the bulk change never meet in the history under a false warning.
// Safe to call from any thread.
namespace marrowleaf {

struct BulkChange {
  EntryKey key;
  bool existed = false;   // the text was made from the entry's file; false: there was none
  uint64_t readHash = 0;  // that whole file, as read
  std::string text;       // the new text, in the entry's encoding
  // What follows the text: its NUL, or for a change of part of the text (a tag's rename) what
  // followed the text in the file, kept.
  std::string end = std::string(1, '\0');
};

enum class BulkResult {
  kCreated,           // a new entry holds the text
  kChanged,           // the entry holds the text, its earlier bytes in its history
  kLeftShown,         // the window holds the entry with unsaved changes: left alone
  kChangedMeanwhile,  // another program wrote or made it since it was read: left as it is
  kFailed,            // it could not be written (`error` says why)
};

struct BulkOutcome {
  BulkResult result = BulkResult::kFailed;
  std::string error;
  std::string historyError;  // kChanged, but the earlier bytes could not be kept
};

// `shownModified` is asked just before the write, where the window's state is known (it may be
// asked from another thread).
BulkOutcome WriteInBulk(const std::string& saveDir, const BulkChange& change,
                        const std::function<bool(const EntryKey&)>& shownModified);

}  // namespace marrowleaf
