// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/bulkwrite.h"

#include "entries/diarywalk.h"
#include "entries/entryfiles.h"
#include "entries/history.h"

namespace marrowleaf {

BulkOutcome WriteInBulk(const std::string& saveDir, const BulkChange& change,
                        const std::function<bool(const EntryKey&)>& shownModified) {
  BulkOutcome outcome;
  if (shownModified && shownModified(change.key)) {
    outcome.result = BulkResult::kLeftShown;
    return outcome;
  }
  if (!change.existed) {
    const NewEntry made = CreateEntryWithText(saveDir, change.key, change.text);
    if (made.created && made.text.ok) {
      outcome.result = BulkResult::kCreated;
    } else if (!made.created || !ReadOneEntry(saveDir, change.key).Text().empty()) {
      // Made, or written into, by another program since the change looked: its text stays.
      outcome.result = BulkResult::kChangedMeanwhile;
    } else {
      outcome.error = made.text.error;
    }
    return outcome;
  }
  const EntryState read{{}, change.readHash};
  const InPlace asRead{change.end};
  const EntrySave saved = SaveEntryKeepingHistory(saveDir, change.key, change.text, &read, &asRead);
  if (saved.entry.ok) {
    outcome.result = BulkResult::kChanged;
    if (!saved.version.ok) outcome.historyError = saved.version.error;
  } else if (saved.displaced) {
    outcome.result = BulkResult::kChangedMeanwhile;
  } else {
    outcome.error = saved.entry.error;
  }
  return outcome;
}

}  // namespace marrowleaf
