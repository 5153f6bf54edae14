// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engines/import/source.h"
#include "entries/entrykey.h"

// The one writer every format's import goes through. Each entry's day is its date in its own time
// zone; the entries of one day and tab become one entry file, each a section introduced by a line
// with its time and title, followed by its text, its tags, a short line with its star, place and
// weather, and links to its attachments, which are copied to attachments/YEAR/MONTH/DAY_TAB/ in
// the save directory and linked by paths relative to it. An entry that is there already is kept:
// the sections it does not hold yet are added after its text (which goes into its history), and a
// section it holds word for word, as a whole between blank lines, is not added again, wherever
// its links lead (a copy, a file the source lacked, a copy named otherwise by an earlier import):
// so importing a source twice, or in its other forms, changes nothing.
namespace marrowleaf::import {

// A day and tab of the diary and the source's entries for it, in time order.
struct PlannedDay {
  EntryKey key;
  std::vector<size_t> entries;  // indexes into Source::entries
};

// What an import will do, told before it is done.
struct Plan {
  std::vector<PlannedDay> days;  // in date order, then tab order
  size_t entries = 0;
  QDate first;
  QDate last;
  size_t daysHoldingEntry = 0;  // days (and tabs) that hold an entry already: added after it
  size_t daysImported = 0;      // of those, the ones that hold every imported section already
  size_t attachments = 0;
  uint64_t attachmentBytes = 0;      // their size together
  std::vector<std::string> newTabs;  // Day One journals that no tab is named after, in order
  // Entries the diary holds already in another tab than the one they go to, by that tab: the same
  // source imported into another tab.
  std::map<int, size_t> inOtherTabs;
};

// `tabNames` the diary's tabs; an entry of a journal goes to the tab of its name, every other
// one (and one of a journal without such a tab) to `chosenTab`.
Plan MakePlan(const std::string& saveDir, const Source& source,
              const std::vector<QString>& tabNames, int chosenTab);

// What became of the days of a plan.
struct Applied {
  size_t written = 0;      // new entries
  size_t added = 0;        // entries that were there, with sections added after their text
  size_t unchanged = 0;    // entries that held every section already
  size_t attachments = 0;  // files copied
  bool cancelled = false;
  // Nothing was written: the disk of the save directory has less room than the import needs.
  bool noRoom = false;
  uint64_t bytesNeeded = 0;
  uint64_t bytesFree = 0;
  size_t notReached = 0;  // days left as they were by a cancel
  QDate stoppedBefore;    // the first day not reached
  struct Failure {
    EntryKey key;
    std::string error;
  };
  std::vector<Failure> failures;  // days left as they were, and why
  // Entries imported whose earlier text could not be kept in their history.
  std::vector<Failure> historyFailures;
  // Days the window shows with unsaved changes: left as they were, to be imported again.
  std::vector<EntryKey> leftShown;
};

// Writes the plan's days in order, each whole or not at all (the attachments first, then the
// entry through the one way to write entries in bulk: a new one only where none is, one that was
// there through the save step with its history), once the disk is found to have room for the
// attachments and the texts. A day another program writes meanwhile keeps that text, the
// import added after it. `progress` hears how many days are done and returns false to stop
// before the next day; `shownModified` names the entry the window holds with unsaved changes,
// which is left alone.
Applied ApplyPlan(const std::string& saveDir, const Source& source, const Plan& plan,
                  const std::function<bool(size_t done, size_t total)>& progress = {},
                  const std::function<bool(const EntryKey&)>& shownModified = {});

// The sections a day's entries become, as the text area shows them: for tests and for the plan.
std::vector<QString> DaySections(const Source& source, const PlannedDay& day);

}  // namespace marrowleaf::import
