// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "crypto/diarykey.h"

// The diaries this process holds unlocked, by save folder. The diary object puts its keys here
// once the password opened them, and every reader and writer of the core (the entry files, the
// walk, the history, drafts, attachments, the import) finds them by the path it works on: the
// windows and the engines call those as they would for a plain diary, from any thread, and none
// of them hands keys around. A save folder with no keys here is plain, or locked.
namespace marrowleaf {

using SharedKeys = std::shared_ptr<const DiaryKeys>;

// How this process reads and writes the files of one diary.
struct DiarySealing {
  SharedKeys keys;      // opens its sealed files; never null, empty for a plain or locked diary
  bool seal = false;    // what is written is sealed (false while the diary is being decrypted)
  bool locked = false;  // encrypted (a key file is there) but held by no keys: nothing is written
  // The key new bytes are sealed with; null where they are written plain.
  const DiaryKey* Sealing() const { return seal ? keys->Sealing() : nullptr; }
};

// The diary that `path` lies in (the save folder itself or anything under it, as given or
// resolved): its keys where it is held; else none, and nothing is known of `locked`.
DiarySealing SealingFor(const std::string& path);
// The same for a save folder, and `locked` where it holds a key file but no keys are held.
DiarySealing SealingOfDiary(const std::string& saveDir);

// While held, the files under `saveDir` are opened with `keys`, and written sealed where `seal`.
// Holding the folder again replaces what was held.
void HoldKeys(const std::string& saveDir, SharedKeys keys, bool seal = true);
void ReleaseKeys(const std::string& saveDir);

// The import's module carries a copy of the core, with a table of its own: the program hands it
// its table when it loads the module, and both see the same diaries from then on.
struct KeyTable;
KeyTable* ThisKeyTable();
void UseKeyTable(KeyTable* program);

}  // namespace marrowleaf
